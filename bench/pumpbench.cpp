// Measures the pump link of pump-network-tool against our simulator and prints
// each figure beside its floor: the same work done by the bare transport, or the
// pauses the sequence is made of. A ratio near 1 means the pump link adds little.

#include "benchreport.h"
#include "commandset.h"
#include "loopstallmeter.h"
#include "pumpfixtures.h"
#include "pumpmanager.h"
#include "pumpprotocol.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTextStream>
#include <QUdpSocket>

#include <atomic>
#include <cstdio>
#include <limits>

namespace Bench {
namespace {

constexpr int discoveryPumps = 1000;
constexpr int discoveryRuns = 3;
// The window ends a search after this long; a pump not reported by then is missed.
constexpr int discoveryTimeoutMs = 3000;
constexpr int requestedReceiveBufferBytes = 4 * 1024 * 1024;
constexpr int sequenceRuns = 5;
constexpr int sequenceTimeoutMs = 5000;
// Lets the worker return from its last frame and late datagrams drain between runs.
constexpr int settleMs = 200;
constexpr int serialRuns = 5;
constexpr int serialWaitMs = 100;
constexpr int framePauseMs = 100;
// One frame of a 60 Hz screen: a longer stall is a visible hitch.
constexpr double stallTargetMs = 16.0;

const double notMeasured = std::numeric_limits<double>::quiet_NaN();

const QString skippedWithoutNamespace
    = QStringLiteral("skipped: needs the private network namespace (run through "
                     "scripts/in-private-network)");

// The pump link's diagnostic lines are counted and dropped rather than written to
// stderr, so the table stays readable; the end of an Ethernet write is known
// only from its line, so that one is timed where it is written.
const QString setWorkerFinishedLine = QStringLiteral("[PumpManager] on_setWorker_finished ()");
std::atomic<qint64> setWorkerFinishedNs { 0 };
std::atomic<int> debugLineCount { 0 };
QtMessageHandler previousMessageHandler = nullptr;

void watchPumpLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg) {
        if (previousMessageHandler)
            previousMessageHandler(type, context, message);
        else
            fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    ++debugLineCount;
    if (message == setWorkerFinishedLine)
        setWorkerFinishedNs.store(steadyNowNs());
}

using SettingSignal = void (PumpManager::*)(QString);

// The thirteen per-setting signals of a read, in the order the pump is asked.
const QVector<SettingSignal> &settingSignals()
{
    static const QVector<SettingSignal> all = {
        &PumpManager::amAvailable, &PumpManager::ipAvailable,   &PumpManager::smAvailable,
        &PumpManager::dgAvailable, &PumpManager::dns1Available, &PumpManager::dns2Available,
        &PumpManager::ttAvailable, &PumpManager::uhAvailable,   &PumpManager::umAvailable,
        &PumpManager::cmAvailable, &PumpManager::btAvailable,   &PumpManager::tnAvailable,
        &PumpManager::paAvailable,
    };
    return all;
}

// Counts the settings a read delivers and when the last of them arrived.
struct SettingsTally
{
    int count = 0;
    qint64 lastNs = 0;

    void listenTo(PumpManager *manager)
    {
        for (const SettingSignal signal : settingSignals()) {
            QObject::connect(manager, signal, manager, [this] {
                ++count;
                lastNs = steadyNowNs();
            });
        }
    }
    void reset()
    {
        count = 0;
        lastNs = 0;
    }
    bool complete() const { return count >= settingSignals().size(); }
};

// What the window would submit for the standard pump unchanged: the same values,
// the switches with their trailing CR. The address is not loopback, so the
// simulated pump stays where it is after its restart.
PUMP_MODEL_T unchangedRecord()
{
    PUMP_MODEL_T pump;
    pump.am = QStringLiteral("Static");
    pump.ip = QStringLiteral("10.1.2.3");
    pump.sm = QStringLiteral("255.255.0.0");
    pump.dg = QStringLiteral("10.1.0.1");
    pump.dns1 = QStringLiteral("10.1.0.53");
    pump.dns2 = QStringLiteral("10.1.0.54");
    pump.tt = QStringLiteral("30");
    pump.uh = QStringLiteral("-03");
    pump.um = QStringLiteral("30");
    pump.cm = QStringLiteral("On\r");
    pump.bt = QStringLiteral("Off\r");
    pump.tn = QStringLiteral("On\r");
    pump.pa = QStringLiteral("126");
    return pump;
}

// 250 pumps to a /24, so every address is an ordinary host address on loopback.
SimulatedPumpConfig pumpOfMany(int number)
{
    SimulatedPumpConfig pump = standardPump(number);
    pump.address
        = QHostAddress(QStringLiteral("127.0.%1.%2").arg(number / 250).arg(2 + number % 250));
    return pump;
}

double elapsedMs(qint64 fromNs, qint64 toNs) { return (toNs - fromNs) / 1e6; }

// Datagrams the system dropped because a socket's receive buffer was full. It tells
// answers lost in the kernel from answers that reached the socket and were never read.
qint64 udpReceiveBufferDrops()
{
    QFile file(QStringLiteral("/proc/net/snmp"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    QList<QByteArray> names;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (fields.value(0) != "Udp:")
            continue;
        if (names.isEmpty()) {
            names = fields;
            continue;
        }
        const int column = names.indexOf("RcvbufErrors");
        return column > 0 ? fields.value(column).toLongLong() : 0;
    }
    return 0;
}

// ---- 1. Discovery of many pumps -------------------------------------------------

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

    int grantedBufferBytes = 0;
    // Unmeasured: the first answers of a fresh simulator pay for its warming up.
    bareSocketDiscovery(discoveryPumps, &grantedBufferBytes);
    runFor(settleMs);

    QVector<double> managerMs;
    QVector<double> managerUntilAllMs;
    QVector<double> managerCounts;
    QVector<double> bareMs;
    QVector<double> bareUntilAllMs;
    QVector<double> bareCounts;
    qint64 managerDrops = 0;
    qint64 bareDrops = 0;
    for (int run = 0; run < discoveryRuns; ++run) {
        qint64 dropsBefore = udpReceiveBufferDrops();
        const DiscoveryRun bare = bareSocketDiscovery(discoveryPumps, &grantedBufferBytes);
        runFor(settleMs);
        bareDrops += udpReceiveBufferDrops() - dropsBefore;
        bareMs.append(bare.ms);
        bareUntilAllMs.append(untilAll(bare, discoveryPumps));
        bareCounts.append(bare.answers);

        dropsBefore = udpReceiveBufferDrops();
        const DiscoveryRun managed = managerDiscovery(discoveryPumps);
        runFor(settleMs);
        managerDrops += udpReceiveBufferDrops() - dropsBefore;
        managerMs.append(managed.ms);
        managerUntilAllMs.append(untilAll(managed, discoveryPumps));
        managerCounts.append(managed.answers);
    }

    const double measured = median(managerUntilAllMs);
    const double floor = median(bareUntilAllMs);
    const bool bothReached = !std::isinf(measured) && !std::isinf(floor);
    section.rows.append({ figure, untilAllText(measured), untilAllText(floor),
                          bothReached ? ratioOf(measured, floor) : notMeasured });
    section.rows.append(
        { QStringLiteral("1 discovery: pumps reported of %1 (each run)").arg(discoveryPumps),
          listOf(managerCounts, 0), listOf(bareCounts, 0),
          ratioOf(median(managerCounts), median(bareCounts)) });
    section.notes.append(
        QStringLiteral("1 discovery, each run: PumpManager, search to last idAvailable: %1 ms; "
                       "bare QUdpSocket, broadcast to last datagram: %2 ms")
            .arg(listOf(managerMs, 1), listOf(bareMs, 1)));
    section.notes.append(QStringLiteral("1 discovery: receive buffer asked %1 bytes, the system "
                                        "reports %2 on the bare socket; datagrams the system "
                                        "dropped for a full receive buffer: %3 in the PumpManager "
                                        "runs, %4 in the bare runs")
                             .arg(requestedReceiveBufferBytes)
                             .arg(grantedBufferBytes)
                             .arg(managerDrops)
                             .arg(bareDrops));
    return section;
}

// ---- 2, 3, 5. Ethernet read and write, and the main thread meanwhile ------------

BenchSection benchEthernetSequences()
{
    BenchSection section;
    PumpSimulatorThread sim;
    const SimulatedPumpConfig pump = standardPump(0);
    if (sim.addPump(pump) != 0) {
        section.notes.append(QStringLiteral("2/3/5 Ethernet: the simulator could not bind %1")
                                 .arg(pump.address.toString()));
        return section;
    }
    const QString address = pump.address.toString();
    const QByteArray saveFrame = PumpProtocol::saveFrame();
    const PUMP_MODEL_T record = unchangedRecord();

    PumpManager manager;
    SettingsTally tally;
    tally.listenTo(&manager);
    LoopStallMeter meter;

    QVector<double> readMs;
    QVector<double> readStallMs;
    QVector<double> writeMs;
    QVector<double> saveArrivalMs;
    QVector<double> writeStallMs;
    int incompleteReads = 0;
    int unfinishedWrites = 0;
    for (int run = 0; run < sequenceRuns; ++run) {
        tally.reset();
        meter.start();
        const qint64 connectNs = steadyNowNs();
        manager.connectToPump(address);
        const bool readComplete = runUntil([&] { return tally.complete(); }, sequenceTimeoutMs);
        readStallMs.append(meter.stop());
        if (readComplete)
            readMs.append(elapsedMs(connectNs, tally.lastNs));
        else
            ++incompleteReads;
        runFor(settleMs);

        sim.clearFrames();
        setWorkerFinishedNs.store(0);
        meter.start();
        const qint64 submitNs = steadyNowNs();
        manager.setPumpSettings(record);
        const bool writeFinished
            = runUntil([&] { return setWorkerFinishedNs.load() != 0; }, sequenceTimeoutMs);
        writeStallMs.append(meter.stop());
        if (writeFinished)
            writeMs.append(elapsedMs(submitNs, setWorkerFinishedNs.load()));
        else
            ++unfinishedWrites;
        runFor(settleMs);
        // Read after the settling, so that asking the simulator is not part of a stall.
        const QVector<ReceivedFrame> frames = sim.frames();
        for (const ReceivedFrame &frame : frames) {
            if (frame.bytes == saveFrame)
                saveArrivalMs.append(elapsedMs(submitNs, frame.steadyNs));
        }
    }

    // The same meter while the thread has nothing to do: what the system and the
    // toolkit cost anyway, for as long as a read or a write lasts.
    QVector<double> idleReadStallMs;
    QVector<double> idleWriteStallMs;
    const int readSpanMs = qRound(readMs.isEmpty() ? 12.0 * framePauseMs : median(readMs));
    const int writeSpanMs = qRound(writeMs.isEmpty() ? 13.0 * framePauseMs : median(writeMs));
    for (int run = 0; run < sequenceRuns; ++run) {
        meter.start();
        runFor(readSpanMs);
        idleReadStallMs.append(meter.stop());
        meter.start();
        runFor(writeSpanMs);
        idleWriteStallMs.append(meter.stop());
    }

    const double readFloor = 12.0 * framePauseMs;
    const double writeFloor = 13.0 * framePauseMs;
    section.rows.append({ QStringLiteral("2 Ethernet read: connectToPump to 13th setting "
                                         "(median of %1)")
                              .arg(readMs.size()),
                          milliseconds(median(readMs)), milliseconds(readFloor),
                          ratioOf(median(readMs), readFloor) });
    section.rows.append({ QStringLiteral("3 Ethernet write: setPumpSettings to "
                                         "on_setWorker_finished (median of %1)")
                              .arg(writeMs.size()),
                          milliseconds(median(writeMs)), milliseconds(writeFloor),
                          ratioOf(median(writeMs), writeFloor) });
    section.rows.append({ QStringLiteral("5 longest event-loop stall, Ethernet read (median of %1)")
                              .arg(readStallMs.size()),
                          milliseconds(median(readStallMs)), milliseconds(median(idleReadStallMs)),
                          ratioOf(median(readStallMs), median(idleReadStallMs)) });
    section.rows.append(
        { QStringLiteral("5 longest event-loop stall, Ethernet write (median of %1)")
              .arg(writeStallMs.size()),
          milliseconds(median(writeStallMs)), milliseconds(median(idleWriteStallMs)),
          ratioOf(median(writeStallMs), median(idleWriteStallMs)) });

    section.notes.append(QStringLiteral("2 Ethernet read, each run: %1 ms; incomplete reads: %2")
                             .arg(listOf(readMs, 1))
                             .arg(incompleteReads));
    section.notes.append(QStringLiteral("3 Ethernet write, each run: %1 ms (save frame at the pump "
                                        "after %2 ms); unfinished writes: %3")
                             .arg(listOf(writeMs, 1), listOf(saveArrivalMs, 1))
                             .arg(unfinishedWrites));
    const double worstStall = qMax(*std::max_element(readStallMs.cbegin(), readStallMs.cend()),
                                   *std::max_element(writeStallMs.cbegin(), writeStallMs.cend()));
    section.notes.append(
        QStringLiteral("5 stalls, each run: read %1 ms, write %2 ms; idle %3 ms "
                       "and %4 ms; worst %5 ms against the aim of under %6 ms: %7")
            .arg(listOf(readStallMs, 2), listOf(writeStallMs, 2), listOf(idleReadStallMs, 2),
                 listOf(idleWriteStallMs, 2))
            .arg(worstStall, 0, 'f', 2)
            .arg(stallTargetMs, 0, 'f', 0)
            .arg(worstStall < stallTargetMs ? QStringLiteral("met") : QStringLiteral("NOT met")));
    return section;
}

// ---- 4. Serial read on a pseudo-terminal ----------------------------------------

bool openLikeThePumpLink(QSerialPort *port, const QString &name)
{
    port->setPortName(name);
    port->setBaudRate(QSerialPort::Baud115200);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    return port->open(QIODevice::ReadWrite);
}

// The floor: the same thirteen queries, each a plain write and one wait for the
// answer, with nothing parsed and nothing emitted.
double bareSerialRoundTrips(const QString &line, int *replies)
{
    QSerialPort port;
    if (!openLikeThePumpLink(&port, line))
        return notMeasured;
    const QVector<QByteArray> queries = CommandSet::queryFrames();
    QByteArray received;
    const qint64 startNs = steadyNowNs();
    for (const QByteArray &query : queries) {
        port.write(query);
        if (port.waitForReadyRead(serialWaitMs))
            received += port.readAll();
    }
    const double ms = elapsedMs(startNs, steadyNowNs());
    *replies = received.count(PumpProtocol::cr);
    port.close();
    return ms;
}

BenchSection benchSerialRead()
{
    BenchSection section;
    PumpSimulatorThread sim;
    const QString line = sim.addPump(standardPump(0)) == 0 ? sim.openSerialLine(0) : QString();
    if (line.isEmpty()) {
        section.notes.append(QStringLiteral("4 serial read: the simulator could not open a "
                                            "pseudo-terminal"));
        return section;
    }

    PumpManager manager;
    SettingsTally tally;
    tally.listenTo(&manager);
    QVector<double> readMs;
    QVector<double> settingsRead;
    QVector<double> floorMs;
    QVector<double> floorReplies;
    for (int run = 0; run < serialRuns; ++run) {
        // Choosing the port in the window opens it; the read itself starts on selection.
        manager.setConnection(line);
        tally.reset();
        const qint64 startNs = steadyNowNs();
        manager.getPumpSettings(line);
        readMs.append(elapsedMs(startNs, steadyNowNs()));
        settingsRead.append(tally.count);
        // The port is taken exclusively; free it for the bare one.
        manager.closeSerialPort();
        runFor(20);

        int replies = 0;
        floorMs.append(bareSerialRoundTrips(line, &replies));
        floorReplies.append(replies);
        runFor(20);
    }

    const double measured = median(readMs);
    const double floor = median(floorMs);
    section.rows.append(
        { QStringLiteral("4 serial read: getPumpSettings on a pty (median of %1)").arg(serialRuns),
          milliseconds(measured), milliseconds(floor), ratioOf(measured, floor) });
    section.notes.append(QStringLiteral("4 serial read, each run: %1 ms, settings signalled during "
                                        "the call: %2; floor, bare QSerialPort write + "
                                        "waitForReadyRead x13: %3 ms, replies: %4")
                             .arg(listOf(readMs, 2), listOf(settingsRead, 0), listOf(floorMs, 2),
                                  listOf(floorReplies, 0)));
    return section;
}

// ---- The table -------------------------------------------------------------------

struct Benchmark
{
    const char *name;
    BenchSection (*run)();
};

// Each figure is one entry; a new one is a function returning its rows and notes.
const QVector<Benchmark> &benchmarks()
{
    static const QVector<Benchmark> all = {
        { "discovery", &benchDiscovery },
        { "ethernet", &benchEthernetSequences },
        { "serial", &benchSerialRead },
    };
    return all;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

void printUsage(QTextStream &stream)
{
    stream << "usage: pump-bench [figure ...]\n  figures:";
    for (const Benchmark &benchmark : benchmarks())
        stream << ' ' << benchmark.name;
    stream << "\n  (default: all)\n";
}

} // namespace

int run(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qRegisterMetaType<PUMP_MODEL_T>("PUMP_MODEL_T");

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList wanted = application.arguments().mid(1);
    if (wanted.contains(QLatin1String("--help")) || wanted.contains(QLatin1String("-h"))) {
        printUsage(out);
        return 0;
    }
    for (const QString &name : wanted) {
        const bool known = std::any_of(benchmarks().cbegin(), benchmarks().cend(),
                                       [&](const Benchmark &b) { return name == b.name; });
        if (!known) {
            printUsage(err);
            return 2;
        }
    }

    previousMessageHandler = qInstallMessageHandler(watchPumpLog);
    const QString loadBefore = loadAverage();
    QElapsedTimer total;
    total.start();
    QVector<BenchRow> rows;
    QStringList notes;
    for (const Benchmark &benchmark : benchmarks()) {
        if (!wanted.isEmpty() && !wanted.contains(QLatin1String(benchmark.name)))
            continue;
        err << "pump-bench: " << benchmark.name << "..." << Qt::endl;
        const BenchSection section = benchmark.run();
        rows += section.rows;
        notes += section.notes;
    }

    // Several figures come from one run of a sequence; the table goes by number.
    const auto figureNumber = [](const QString &text) { return text.section(' ', 0, 0).toInt(); };
    std::stable_sort(rows.begin(), rows.end(), [&](const BenchRow &a, const BenchRow &b) {
        return figureNumber(a.figure) < figureNumber(b.figure);
    });
    std::stable_sort(notes.begin(), notes.end(), [&](const QString &a, const QString &b) {
        return figureNumber(a) < figureNumber(b);
    });

    out << "pump-bench: pump-network-tool's pump link against the simulator; ratio = measured / "
           "floor\n\n";
    printTable(out, rows);
    out << '\n';
    for (const QString &note : notes)
        out << "- " << note << '\n';
    out << "- floors: 1 a bare QUdpSocket taking the answers to one broadcast; 2 and 3 the "
           "100 ms pauses between frames; 4 a bare QSerialPort on the same pty; 5 the same "
           "1 ms timer on the idle thread for as long as the sequence took\n";
    out << "- the pump link wrote " << debugLineCount.load()
        << " debug lines; they were formatted as usual, then dropped instead of written to "
           "stderr\n";
    out << "- isolated network: " << (inIsolatedNetwork() ? "yes" : "no")
        << "; load average before " << loadBefore << ", after " << loadAverage() << "; "
        << QString::number(total.elapsed() / 1000.0, 'f', 1) << " s in all\n";
    out.flush();
    return 0;
}

} // namespace Bench

int main(int argc, char **argv) { return Bench::run(argc, argv); }
