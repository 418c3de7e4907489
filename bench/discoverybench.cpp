// Figure 1: how long the pump link takes to hear a thousand pumps answer one
// broadcast, beside a bare socket that does nothing but take the answers in.

#include "benchmarks.h"
#include "benchsupport.h"
#include "eventloop.h"
#include "isolatednetwork.h"
#include "simulatedpumps.h"

#include <QElapsedTimer>
#include <QUdpSocket>
#include <QVariant>

#include <cmath>

namespace Bench {
namespace {

constexpr int discoveryPumps = 1000;
constexpr int discoveryRuns = 3;
// The window ends a search after this long; a pump not reported by then is missed.
constexpr int discoveryTimeoutMs = 3000;
constexpr int requestedReceiveBufferBytes = 4 * 1024 * 1024;

struct DiscoveryRun
{
    double ms = notMeasured; // until the last answer taken in
    int answers = 0;
};

// Until every pump was heard; a run that missed some never got there.
double untilAll(const DiscoveryRun &run, int expected)
{
    return run.answers >= expected ? run.ms : std::numeric_limits<double>::infinity();
}

QString untilAllText(double ms)
{
    return std::isinf(ms) ? QStringLiteral("not in %1 ms").arg(discoveryTimeoutMs)
                          : milliseconds(ms);
}

// 250 pumps to a /24, so every address is an ordinary host address on loopback.
SimulatedPumpConfig pumpOfMany(int number)
{
    SimulatedPumpConfig pump = standardPump(number);
    pump.address
        = QHostAddress(QStringLiteral("127.0.%1.%2").arg(number / 250).arg(2 + number % 250));
    return pump;
}

// The floor: a socket that does nothing but take datagrams in, as fast as the
// thread can, with the same receive buffer the manager asks for.
DiscoveryRun bareSocketDiscovery(int expected, int *grantedBufferBytes)
{
    DiscoveryRun run;
    QUdpSocket socket;
    if (!socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0))
        return run;
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                           requestedReceiveBufferBytes);
    *grantedBufferBytes
        = socket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
    char datagram[512];
    QElapsedTimer clock;
    clock.start();
    const qint64 sentNs = steadyNowNs();
    qint64 lastNs = sentNs;
    socket.writeDatagram(PumpProtocol::identityQueryFrame(), QHostAddress(QHostAddress::Broadcast),
                         PumpProtocol::pumpPort);
    while (run.answers < expected && clock.elapsed() < discoveryTimeoutMs) {
        while (socket.hasPendingDatagrams()) {
            if (socket.readDatagram(datagram, sizeof datagram) >= 0) {
                ++run.answers;
                lastNs = steadyNowNs();
            }
        }
        if (run.answers < expected)
            socket.waitForReadyRead(10);
    }
    if (run.answers > 0)
        run.ms = elapsedMs(sentNs, lastNs);
    return run;
}

DiscoveryRun managerDiscovery(int expected)
{
    DiscoveryRun run;
    PumpManager manager;
    qint64 lastNs = 0;
    QObject::connect(&manager, &PumpManager::idAvailable, &manager, [&] {
        ++run.answers;
        lastNs = steadyNowNs();
    });
    const qint64 searchNs = steadyNowNs();
    manager.searchPumps();
    runUntil([&] { return run.answers >= expected; }, discoveryTimeoutMs);
    if (run.answers > 0)
        run.ms = elapsedMs(searchNs, lastNs);
    return run;
}

// Each run, the bare socket and the manager in turn, and what the system dropped.
struct DiscoveryRuns
{
    QVector<double> managerMs;
    QVector<double> managerUntilAllMs;
    QVector<double> managerCounts;
    QVector<double> bareMs;
    QVector<double> bareUntilAllMs;
    QVector<double> bareCounts;
    qint64 managerDrops = 0;
    qint64 bareDrops = 0;
    int grantedBufferBytes = 0;
};

DiscoveryRuns measureDiscoveries()
{
    DiscoveryRuns runs;
    // Unmeasured: the first answers of a fresh simulator pay for its warming up.
    bareSocketDiscovery(discoveryPumps, &runs.grantedBufferBytes);
    runFor(settleMs);
    for (int run = 0; run < discoveryRuns; ++run) {
        qint64 dropsBefore = udpReceiveBufferDrops();
        const DiscoveryRun bare = bareSocketDiscovery(discoveryPumps, &runs.grantedBufferBytes);
        runFor(settleMs);
        runs.bareDrops += udpReceiveBufferDrops() - dropsBefore;
        runs.bareMs.append(bare.ms);
        runs.bareUntilAllMs.append(untilAll(bare, discoveryPumps));
        runs.bareCounts.append(bare.answers);

        dropsBefore = udpReceiveBufferDrops();
        const DiscoveryRun managed = managerDiscovery(discoveryPumps);
        runFor(settleMs);
        runs.managerDrops += udpReceiveBufferDrops() - dropsBefore;
        runs.managerMs.append(managed.ms);
        runs.managerUntilAllMs.append(untilAll(managed, discoveryPumps));
        runs.managerCounts.append(managed.answers);
    }
    return runs;
}

void reportDiscoveries(const QString &figure, const DiscoveryRuns &runs, BenchSection *section)
{
    const double measured = median(runs.managerUntilAllMs);
    const double floor = median(runs.bareUntilAllMs);
    const bool bothReached = !std::isinf(measured) && !std::isinf(floor);
    section->rows.append({ figure, untilAllText(measured), untilAllText(floor),
                           bothReached ? ratioOf(measured, floor) : notMeasured });
    section->rows.append(
        { QStringLiteral("1 discovery: pumps reported of %1 (each run)").arg(discoveryPumps),
          listOf(runs.managerCounts, 0), listOf(runs.bareCounts, 0),
          ratioOf(median(runs.managerCounts), median(runs.bareCounts)) });
    section->notes.append(
        QStringLiteral("1 discovery, each run: PumpManager, search to last idAvailable: %1 ms; "
                       "bare QUdpSocket, broadcast to last datagram: %2 ms")
            .arg(listOf(runs.managerMs, 1), listOf(runs.bareMs, 1)));
    section->notes.append(QStringLiteral("1 discovery: receive buffer asked %1 bytes, the system "
                                         "reports %2 on the bare socket; datagrams the system "
                                         "dropped for a full receive buffer: %3 in the PumpManager "
                                         "runs, %4 in the bare runs")
                              .arg(requestedReceiveBufferBytes)
                              .arg(runs.grantedBufferBytes)
                              .arg(runs.managerDrops)
                              .arg(runs.bareDrops));
}

} // namespace

BenchSection benchDiscovery()
{
    BenchSection section;
    const QString figure
        = QStringLiteral("1 discovery: all %1 pumps reported, one broadcast (median of %2)")
              .arg(discoveryPumps)
              .arg(discoveryRuns);
    if (!inIsolatedNetwork()) {
        section.rows.append({ figure, QStringLiteral("skipped"), QStringLiteral("skipped") });
        section.notes.append(QStringLiteral("1 discovery ") + skippedWithoutNamespace);
        return section;
    }

    PumpSimulatorThread sim;
    int added = 0;
    sim.call([&](PumpSimulator &simulator) {
        for (int number = 0; number < discoveryPumps; ++number)
            added += simulator.addPump(pumpOfMany(number)) >= 0 ? 1 : 0;
    });
    if (added != discoveryPumps || !sim.listenForBroadcasts()) {
        section.rows.append({ figure, QStringLiteral("failed"), QStringLiteral("-") });
        section.notes.append(QStringLiteral("1 discovery: the simulator could not set up %1 pumps "
                                            "(%2 bound) or its broadcast socket")
                                 .arg(discoveryPumps)
                                 .arg(added));
        return section;
    }
    reportDiscoveries(figure, measureDiscoveries(), &section);
    return section;
}

} // namespace Bench
