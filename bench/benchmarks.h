#ifndef BENCHMARKS_H
#define BENCHMARKS_H

#include "benchreport.h"

#include <QElapsedTimer>
#include <QString>

// The figures of pump-bench, each a function that measures and returns its rows and
// notes. Several figures come from one run of a sequence, so a function may return
// rows of more than one number.
namespace Bench {

BenchSection benchDiscovery(); // 1
BenchSection benchEthernetSequences(); // 2, 3, 5
BenchSection benchSerialRead(); // 4
BenchSection benchStartup(); // 6
BenchSection benchFlood(); // 7

// The platform the start-up figure's children show their windows on, chosen before
// this process puts itself on the offscreen one.
void setStartupPlatform(const QString &platform);

// One start for figure 6, in a process of its own (pump-bench --startup KIND).
int startupChild(const char *kind, const QElapsedTimer &sinceMain, int argc, char **argv);

} // namespace Bench

#endif // BENCHMARKS_H
