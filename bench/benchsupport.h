#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

#include "benchreport.h"
#include "pumpmanager.h"
#include "pumpprotocol.h"
#include "pumpsimulatorthread.h"

#include <QString>
#include <QVector>

#include <atomic>
#include <limits>
#include <memory>

// What the figures of pump-bench share: their pacing, the pump link's log as the
// figures watch it, and the settings a read delivers.
namespace Bench {

constexpr int sequenceTimeoutMs = 5000;
// Lets the worker return from its last frame and late datagrams drain between runs.
constexpr int settleMs = 200;
constexpr int framePauseMs = PumpProtocol::framePauseMs;
// One frame of a 60 Hz screen: a longer stall is a visible hitch.
constexpr double stallTargetMs = 16.0;

const double notMeasured = std::numeric_limits<double>::quiet_NaN();

extern const QString skippedWithoutNamespace;

// The pump link's diagnostic lines are counted and dropped rather than written to
// stderr, so the table stays readable; the end of an Ethernet write is known
// only from its line, so that one is timed where it is written.
extern std::atomic<qint64> setWorkerFinishedNs;
extern std::atomic<int> debugLineCount;
void watchPumpLog();

using SettingSignal = void (PumpManager::*)(QString);

// The thirteen per-setting signals of a read, in the order the pump is asked.
const QVector<SettingSignal> &settingSignals();

// Counts the settings a read delivers and when the last of them arrived.
struct SettingsTally
{
    int count = 0;
    qint64 lastNs = 0;

    void listenTo(PumpManager *manager);
    void reset();
    bool complete() const { return count >= settingSignals().size(); }
};

double elapsedMs(qint64 fromNs, qint64 toNs);

// Datagrams the system dropped because a socket's receive buffer was full. It tells
// answers lost in the kernel from answers that reached the socket and were never read.
qint64 udpReceiveBufferDrops();

// Starts the one pump a figure talks to and puts its address in `address`; null
// after noting why the figure could not be measured.
std::unique_ptr<PumpSimulatorThread> startOnePump(const char *figure, BenchSection *section,
                                                  QString *address);

} // namespace Bench

#endif // BENCHSUPPORT_H
