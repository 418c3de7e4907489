#ifndef TESTNETWORK_H
#define TESTNETWORK_H

#include <QHostAddress>
#include <QString>

// Where the simulator may serve pumps at addresses other than loopback: in the
// benchmarking range 198.18.0.0/15, which is never routed, and only inside a network
// namespace that a test built of loopback and veth pairs to its other namespaces.
namespace TestNetwork {

bool isBenchmarkingAddress(const QHostAddress &address);

// True when every interface here is loopback or one end of a veth pair, and every
// IPv4 address on them is loopback or in the benchmarking range; else false, with the
// interface that is not in `why`.
bool inVethNamespace(QString *why);

} // namespace TestNetwork

#endif // TESTNETWORK_H
