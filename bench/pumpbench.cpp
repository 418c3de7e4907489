// Measures the pump link of pump-network-tool against our simulator, and the start
// of its window, and prints each figure beside its floor: the same work done by the
// bare transport or an empty window, or the pauses the sequence is made of. A ratio
// near 1 means the tool adds little.

#include "benchreport.h"
#include "commandset.h"
#include "mainwindow.h"
#include "pumpapplication.h"
#include "pumpfixtures.h"
#include "pumpmanager.h"
#include "pumpprotocol.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QMainWindow>
#include <QMovie>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSerialPort>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <numeric>

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
constexpr int startupRuns = 5;
constexpr int startupTimeoutMs = 20000;
// The window may cost this much more than an empty one of its size to start.
constexpr double startupAim = 1.3;
constexpr int bareWindowWidth = 658;
constexpr int bareWindowHeight = 485;
constexpr int floodDatagrams = 20000;
constexpr int floodRuns = 3;
// After the last query reached the pump, its answer has this long to come back.
constexpr int lastAnswerMs = 300;

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
    // The system reports a size of 0 for its /proc files, so atEnd() holds from the
    // start; readAll() reads on until the real end.
    const QList<QByteArray> lines = file.readAll().split('\n');
    QList<QByteArray> names;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
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

// Starts the one pump a figure talks to; returns its address, or "" after noting
// why the figure could not be measured.
QString startOnePump(PumpSimulatorThread *sim, const char *figure, BenchSection *section)
{
    const SimulatedPumpConfig pump = standardPump(0);
    if (sim->addPump(pump) == 0)
        return pump.address.toString();
    section->notes.append(QStringLiteral("%1: the simulator could not bind %2")
                              .arg(QLatin1String(figure), pump.address.toString()));
    return QString();
}

BenchSection benchEthernetSequences()
{
    BenchSection section;
    PumpSimulatorThread sim;
    const QString address = startOnePump(&sim, "2/3/5 Ethernet", &section);
    if (address.isEmpty())
        return section;
    const QByteArray saveFrame = PumpProtocol::saveFrame();
    const PUMP_MODEL_T record = unchangedRecord();

    PumpManager manager;
    SettingsTally tally;
    tally.listenTo(&manager);
    StallMeter meter;

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

// ---- 6. Start-up time and memory of the window --------------------------------
//
// Each start is a fresh process of this program (pump-bench --startup network|bare),
// so the network tool's window and the bare one load the same libraries and only
// the window differs. The child reports on stdout, as pairs of a name and a number:
// when its application and its window were made and when the window had painted,
// counted from the top of main(), its steady clock then, and its resident memory.
// A third kind (--startup pieces) times the suspects of a slow start alone.

// The platform the children show their windows on, chosen before this process
// puts itself on the offscreen one.
QString startupPlatform;

// Waits for the first paint of any widget, then for the rest of that paint (the
// whole window is painted in one go) before the loop stops.
class FirstPaintWatcher : public QObject
{
public:
    explicit FirstPaintWatcher(QEventLoop *loop)
        : loop(loop)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, loop, &QEventLoop::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop *loop;
    bool painted = false;
};

qint64 residentKib()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// What one start reported, by name.
using StartupFigures = QHash<QByteArray, double>;

class FigureLine
{
public:
    void add(const char *name, double value, int decimals = 3)
    {
        text += ' ';
        text += name;
        text += ' ';
        text += QByteArray::number(value, 'f', decimals);
    }
    void print() const
    {
        printf("%s\n", text.constData() + 1);
        fflush(stdout);
    }

private:
    QByteArray text;
};

StartupFigures parseFigures(const QByteArray &output)
{
    StartupFigures figures;
    const QList<QByteArray> fields = output.simplified().split(' ');
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        bool ok = false;
        const double value = fields.at(i + 1).toDouble(&ok);
        if (ok)
            figures.insert(fields.at(i), value);
    }
    return figures;
}

// One start of the given kind; the figures are empty when it failed, and `problem`
// says why.
StartupFigures startOnce(const QString &kind, QString *problem)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), startupPlatform);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({ QStringLiteral("--startup"), kind });
    const qint64 launchNs = steadyNowNs();
    child.start();
    if (!child.waitForFinished(startupTimeoutMs)) {
        child.kill();
        child.waitForFinished(1000);
        *problem
            = QStringLiteral("%1 start did not finish in %2 ms").arg(kind).arg(startupTimeoutMs);
        return {};
    }
    StartupFigures figures = parseFigures(child.readAllStandardOutput());
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0
        || !figures.contains("done-ms")) {
        const QString lastError = QString::fromLocal8Bit(child.readAllStandardError())
                                      .trimmed()
                                      .section(QLatin1Char('\n'), -1);
        *problem = QStringLiteral("%1 start failed (exit code %2): %3")
                       .arg(kind)
                       .arg(child.exitCode())
                       .arg(lastError);
        return {};
    }
    if (figures.contains("painted-ns"))
        figures.insert("launch-ms", elapsedMs(launchNs, qint64(figures.value("painted-ns"))));
    return figures;
}

QVector<double> column(const QVector<StartupFigures> &runs, const char *name)
{
    QVector<double> values;
    for (const StartupFigures &run : runs)
        values.append(run.value(name, notMeasured));
    return values;
}

double medianOf(const QVector<StartupFigures> &runs, const char *name)
{
    return median(column(runs, name));
}

BenchSection benchStartup()
{
    BenchSection section;
    QString problem;
    // Unmeasured: the first start of each pays for reading the files from disk.
    startOnce(QStringLiteral("network"), &problem);
    startOnce(QStringLiteral("bare"), &problem);

    QVector<StartupFigures> network;
    QVector<StartupFigures> bare;
    QVector<StartupFigures> pieces;
    // Alternating, so that a change of load on the machine falls on both alike.
    for (int run = 0; run < startupRuns && problem.isEmpty(); ++run) {
        const StartupFigures networkRun = startOnce(QStringLiteral("network"), &problem);
        const StartupFigures bareRun = startOnce(QStringLiteral("bare"), &problem);
        const StartupFigures piecesRun = startOnce(QStringLiteral("pieces"), &problem);
        if (!problem.isEmpty())
            break;
        network.append(networkRun);
        bare.append(bareRun);
        pieces.append(piecesRun);
    }

    const QString timeFigure = QStringLiteral("6 start-up: main() to the window's first paint "
                                              "(median of %1)")
                                   .arg(network.size());
    const QString memoryFigure = QStringLiteral("6 start-up: memory in use (VmRSS) after the "
                                                "first paint (median of %1)")
                                     .arg(network.size());
    if (!problem.isEmpty()) {
        section.rows.append({ timeFigure, QStringLiteral("failed"), QStringLiteral("-") });
        section.rows.append({ memoryFigure, QStringLiteral("failed"), QStringLiteral("-") });
        section.notes.append(QStringLiteral("6 start-up: ") + problem);
        return section;
    }
    const auto kib = [](double value) { return QStringLiteral("%1 KiB").arg(value, 0, 'f', 0); };
    const double timeRatio = ratioOf(medianOf(network, "done-ms"), medianOf(bare, "done-ms"));
    const double memoryRatio = ratioOf(medianOf(network, "rss-kib"), medianOf(bare, "rss-kib"));
    section.rows.append({ timeFigure, milliseconds(medianOf(network, "done-ms")),
                          milliseconds(medianOf(bare, "done-ms")), timeRatio });
    section.rows.append({ memoryFigure, kib(medianOf(network, "rss-kib")),
                          kib(medianOf(bare, "rss-kib")), memoryRatio });

    section.notes.append(
        QStringLiteral("6 start-up, each run: network tool %1 ms, bare window %2 ms (from the "
                       "top of main(), one QElapsedTimer started first thing in both); from "
                       "QProcess::start in this process, fork, exec and library loading "
                       "included: %3 ms and %4 ms")
            .arg(listOf(column(network, "done-ms"), 1), listOf(column(bare, "done-ms"), 1),
                 listOf(column(network, "launch-ms"), 1), listOf(column(bare, "launch-ms"), 1)));
    section.notes.append(
        QStringLiteral("6 start-up memory, each run: network tool %1 KiB, bare "
                       "window %2 KiB")
            .arg(listOf(column(network, "rss-kib"), 0), listOf(column(bare, "rss-kib"), 0)));

    // Where the time and memory go: the stretches of both starts, and the window's
    // suspects timed alone in a fresh application.
    const auto stretches = [&](const QVector<StartupFigures> &runs) {
        const double app = medianOf(runs, "app-ms");
        const double built = medianOf(runs, "built-ms");
        const double done = medianOf(runs, "done-ms");
        const double appKib = medianOf(runs, "app-kib");
        const double builtKib = medianOf(runs, "built-kib");
        const double doneKib = medianOf(runs, "rss-kib");
        return QStringLiteral("QApplication %1 ms (%2 KiB), window made %3 ms (+%4 KiB), shown "
                              "and painted %5 ms (+%6 KiB)")
            .arg(app, 0, 'f', 1)
            .arg(appKib, 0, 'f', 0)
            .arg(built - app, 0, 'f', 1)
            .arg(builtKib - appKib, 0, 'f', 0)
            .arg(done - built, 0, 'f', 1)
            .arg(doneKib - builtKib, 0, 'f', 0);
    };
    section.notes.append(QStringLiteral("6 start-up, stretches (medians): network tool: %1; bare "
                                        "window: %2")
                             .arg(stretches(network), stretches(bare)));
    struct Piece
    {
        const char *name;
        const char *what;
    };
    const QVector<Piece> suspects = {
        { "icon", "program icon (setProgramIcon)" },
        { "fonts", "first text measured (font database)" },
        { "manager", "PumpManager with its worker thread" },
        { "scan", "serial port scan (scanSerialPorts)" },
        { "spinner", "spinner GIF loaded and started" },
    };
    QStringList pieceTexts;
    for (const Piece &piece : suspects) {
        const double ms = medianOf(pieces, (QByteArray(piece.name) + "-ms").constData());
        const double kibDelta = medianOf(pieces, (QByteArray(piece.name) + "-kib").constData());
        pieceTexts.append(QStringLiteral("%1 %2 ms (+%3 KiB)")
                              .arg(QLatin1String(piece.what))
                              .arg(ms, 0, 'f', 1)
                              .arg(kibDelta, 0, 'f', 0));
    }
    const double warmWindowMs = medianOf(pieces, "window-ms");
    const double warmWindowKib = medianOf(pieces, "window-kib");
    const double formMs
        = warmWindowMs - medianOf(pieces, "scan-ms") - medianOf(pieces, "manager-ms");
    section.notes.append(
        QStringLiteral("6 start-up, the suspects timed alone in a fresh application, in the "
                       "order the program meets them (medians of %1): %2; then MainWindow made "
                       "with all of these warm %3 ms (+%4 KiB), which makes its own scan and "
                       "worker thread again: its form (widgets and their fonts), style sheets "
                       "and logo about %5 ms")
            .arg(pieces.size())
            .arg(pieceTexts.join(QStringLiteral(", ")))
            .arg(warmWindowMs, 0, 'f', 1)
            .arg(warmWindowKib, 0, 'f', 0)
            .arg(formMs, 0, 'f', 1));

    const auto verdict = [](double ratio) {
        return ratio <= startupAim ? QStringLiteral("met") : QStringLiteral("NOT met");
    };
    section.notes.append(
        QStringLiteral("6 start-up: both on the %1 platform, one unmeasured start of each "
                       "first; aim within %2 x the bare window: time %3, memory %4")
            .arg(startupPlatform)
            .arg(startupAim, 0, 'f', 1)
            .arg(verdict(timeRatio), verdict(memoryRatio)));
    return section;
}

// ---- 7. A flood of junk during an Ethernet read ---------------------------------

// This thread's processor time and the times the system took the processor from
// it: a stall with the thread busy is our work, one with it preempted is the machine's.
struct ThreadUsage
{
    double cpuMs = 0.0;
    long preempted = 0;
};

ThreadUsage threadUsage()
{
    ThreadUsage usage;
    struct rusage figures;
    if (getrusage(RUSAGE_THREAD, &figures) != 0)
        return usage;
    usage.cpuMs = (figures.ru_utime.tv_sec + figures.ru_stime.tv_sec) * 1e3
        + (figures.ru_utime.tv_usec + figures.ru_stime.tv_usec) / 1e3;
    usage.preempted = figures.ru_nivcsw;
    return usage;
}

// All runs together, so that one lost setting shows below 1.
double shareDelivered(const QVector<double> &counts)
{
    const double all = std::accumulate(counts.cbegin(), counts.cend(), 0.0);
    return ratioOf(all, double(settingSignals().size()) * counts.size());
}

BenchSection benchFlood()
{
    BenchSection section;
    PumpSimulatorThread sim;
    const QString address = startOnePump(&sim, "7 flood", &section);
    if (address.isEmpty())
        return section;
    PumpManager manager;
    SettingsTally tally;
    tally.listenTo(&manager);
    StallMeter meter;

    // Taken from the simulator's signal: asking it for its frames would wait for its
    // thread, which is busy flooding, and the wait would count as a stall.
    int queries = 0;
    QHostAddress toolAddress;
    quint16 toolPort = 0;
    QObject::connect(&sim, &PumpSimulatorThread::frameReceived, &sim,
                     [&](const ReceivedFrame &frame) {
                         ++queries;
                         toolAddress = frame.sender;
                         toolPort = frame.senderPort;
                     });
    const int queryCount = CommandSet::queryFrames().size();

    QVector<double> floodStallMs;
    QVector<double> floodSpanMs;
    QVector<double> sendingMs;
    QVector<double> delivered;
    QVector<double> nextDelivered;
    QVector<double> floodLines;
    QVector<double> floodCpuMs;
    QVector<double> floodPreempted;
    qint64 drops = 0;
    int unstarted = 0;
    for (int run = 0; run < floodRuns; ++run) {
        tally.reset();
        queries = 0;
        manager.connectToPump(address);
        // The read is under way once its first query reached the pump.
        if (!runUntil([&] { return queries > 0; }, sequenceTimeoutMs)) {
            ++unstarted;
            runFor(settleMs);
            continue;
        }
        const QHostAddress peer = toolAddress;
        const quint16 port = toolPort;
        const qint64 dropsBefore = udpReceiveBufferDrops();
        auto floodStartNs = std::make_shared<std::atomic<qint64>>(0);
        auto floodEndNs = std::make_shared<std::atomic<qint64>>(0);

        const int linesBefore = debugLineCount.load();
        const ThreadUsage usageBefore = threadUsage();
        meter.start();
        const qint64 startNs = steadyNowNs();
        // call() waits for the simulator's thread; the flood itself starts there once
        // the call has returned, so this thread is free while it is sent.
        sim.call([peer, port, floodStartNs, floodEndNs](PumpSimulator &simulator) {
            QTimer::singleShot(0, &simulator, [&simulator, peer, port, floodStartNs, floodEndNs] {
                floodStartNs->store(steadyNowNs());
                simulator.floodJunk(0, peer, port, floodDatagrams);
                floodEndNs->store(steadyNowNs());
            });
        });
        runUntil([&] { return queries >= queryCount; }, sequenceTimeoutMs);
        runUntil([&] { return tally.complete(); }, lastAnswerMs);
        floodStallMs.append(meter.stop());
        floodSpanMs.append(elapsedMs(startNs, steadyNowNs()));
        floodLines.append(debugLineCount.load() - linesBefore);
        const ThreadUsage usageAfter = threadUsage();
        floodCpuMs.append(usageAfter.cpuMs - usageBefore.cpuMs);
        floodPreempted.append(usageAfter.preempted - usageBefore.preempted);
        delivered.append(tally.count);
        runFor(settleMs);
        drops += udpReceiveBufferDrops() - dropsBefore;
        if (floodEndNs->load() != 0)
            sendingMs.append(elapsedMs(floodStartNs->load(), floodEndNs->load()));

        // The flood is over: the next selection reads the pump again.
        tally.reset();
        manager.connectToPump(address);
        runUntil([&] { return tally.complete(); }, sequenceTimeoutMs);
        nextDelivered.append(tally.count);
        runFor(settleMs);
    }

    // The floor: the same meter on the idle thread for as long as a flooded read took.
    QVector<double> idleStallMs;
    const int spanMs = qRound(floodSpanMs.isEmpty() ? 12.0 * framePauseMs : median(floodSpanMs));
    for (int run = 0; run < floodRuns; ++run) {
        meter.start();
        runFor(spanMs);
        idleStallMs.append(meter.stop());
    }

    const double stall = median(floodStallMs);
    const double idleStall = median(idleStallMs);
    section.rows.append({ QStringLiteral("7 longest event-loop stall, %1 junk datagrams during an "
                                         "Ethernet read (median of %2)")
                              .arg(floodDatagrams)
                              .arg(floodStallMs.size()),
                          milliseconds(stall), milliseconds(idleStall),
                          ratioOf(stall, idleStall) });
    section.rows.append({ QStringLiteral("7 flood: settings the flooded read delivered, of %1 "
                                         "(each run)")
                              .arg(settingSignals().size()),
                          listOf(delivered, 0), QString::number(settingSignals().size()),
                          shareDelivered(delivered) });
    section.rows.append({ QStringLiteral("7 flood: settings the next read delivered, of %1 "
                                         "(each run)")
                              .arg(settingSignals().size()),
                          listOf(nextDelivered, 0), QString::number(settingSignals().size()),
                          shareDelivered(nextDelivered) });

    const bool allNextComplete = !nextDelivered.isEmpty()
        && std::all_of(nextDelivered.cbegin(), nextDelivered.cend(),
                       [](double count) { return count >= settingSignals().size(); });
    section.notes.append(
        QStringLiteral("7 flood, each run: longest stall %1 ms over %2 ms (idle, same span: %3 "
                       "ms); the simulator took %4 ms to send the %5 datagrams; datagrams the "
                       "system dropped for a full receive buffer: %6 in all; reads that never "
                       "started: %7; the next read delivered all %8 settings every time: %9")
            .arg(listOf(floodStallMs, 2), listOf(floodSpanMs, 0), listOf(idleStallMs, 2),
                 listOf(sendingMs, 0))
            .arg(floodDatagrams)
            .arg(drops)
            .arg(unstarted)
            .arg(settingSignals().size())
            .arg(allNextComplete ? QStringLiteral("yes") : QStringLiteral("no")));
    const double worstStall = floodStallMs.isEmpty()
        ? notMeasured
        : *std::max_element(floodStallMs.cbegin(), floodStallMs.cend());
    // The junk that looks like a reply is logged; the program writes those lines to
    // stderr, which this measurement does not pay for.
    section.notes.append(
        QStringLiteral("7 flood: worst stall %1 ms against the aim of under %2 "
                       "ms: %3; debug lines the pump link wrote during each "
                       "flooded read: %4 (dropped here after formatting); this thread's "
                       "processor time during each: %5 ms, taken from it by the system: %6 "
                       "times")
            .arg(worstStall, 0, 'f', 2)
            .arg(stallTargetMs, 0, 'f', 0)
            .arg(worstStall < stallTargetMs ? QStringLiteral("met") : QStringLiteral("NOT met"))
            .arg(listOf(floodLines, 0), listOf(floodCpuMs, 0), listOf(floodPreempted, 0)));
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
        { "discovery", &benchDiscovery }, { "ethernet", &benchEthernetSequences },
        { "serial", &benchSerialRead },   { "startup", &benchStartup },
        { "flood", &benchFlood },
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

// Times one piece of a start and what it added to the resident memory.
void measurePiece(FigureLine *line, const char *name, const std::function<void()> &piece)
{
    const qint64 kibBefore = residentKib();
    QElapsedTimer clock;
    clock.start();
    piece();
    line->add((QByteArray(name) + "-ms").constData(), clock.nsecsElapsed() / 1e6);
    line->add((QByteArray(name) + "-kib").constData(), double(residentKib() - kibBefore), 0);
}

// The suspects of a slow start, each alone, in the order the program meets them.
void measurePieces(FigureLine *line)
{
    measurePiece(line, "icon", [] { setProgramIcon(); });
    measurePiece(line, "fonts", [] {
        QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Search Pumps"));
    });
    std::unique_ptr<PumpManager> manager;
    measurePiece(line, "manager", [&] { manager = std::make_unique<PumpManager>(); });
    measurePiece(line, "scan", [&] { manager->scanSerialPorts(); });
    QMovie spinner(QStringLiteral(":/images/ajax-loader.gif"));
    measurePiece(line, "spinner", [&] { spinner.start(); });
    // Last, with fonts, images and libraries warm: what is left is the form itself,
    // besides the scan and the worker thread that every window pays for anew.
    std::unique_ptr<MainWindow> window;
    measurePiece(line, "window", [&] { window = std::make_unique<MainWindow>(); });
}

} // namespace

// One start for figure 6, in a process of its own: the application and the window
// as the program makes them, then the figures on stdout once the window has painted.
int startupChild(const char *kind, const QElapsedTimer &sinceMain, int argc, char **argv)
{
    const bool networkTool = qstrcmp(kind, "network") == 0;
    const bool pieces = qstrcmp(kind, "pieces") == 0;
    if (!networkTool && !pieces && qstrcmp(kind, "bare") != 0)
        return 2;
    const auto sinceMainMs = [&sinceMain] { return sinceMain.nsecsElapsed() / 1e6; };
    prepareApplication();
    QApplication application(argc, argv);
    FigureLine line;
    line.add("app-ms", sinceMainMs());
    line.add("app-kib", double(residentKib()), 0);
    if (pieces) {
        measurePieces(&line);
        line.add("done-ms", sinceMainMs());
        line.print();
        return 0;
    }

    std::unique_ptr<QMainWindow> window;
    if (networkTool) {
        setProgramIcon();
        window = std::make_unique<MainWindow>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->resize(bareWindowWidth, bareWindowHeight);
        window->setFixedSize(window->size());
    }
    line.add("built-ms", sinceMainMs());
    line.add("built-kib", double(residentKib()), 0);
    QEventLoop loop;
    FirstPaintWatcher watcher(&loop);
    application.installEventFilter(&watcher);
    QTimer::singleShot(startupTimeoutMs, &loop, [&loop] { loop.exit(1); });
    window->show();
    if (loop.exec() != 0)
        return 1;
    line.add("done-ms", sinceMainMs());
    line.add("painted-ns", double(steadyNowNs()), 0);
    line.add("rss-kib", double(residentKib()), 0);
    line.print();
    return 0;
}

int run(int argc, char **argv)
{
    // The windows of figure 6 go where this user's windows go; with no display, to
    // the offscreen platform, like everything else here.
    startupPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (startupPlatform.isEmpty()) {
        startupPlatform = qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("offscreen")
                                                                 : QStringLiteral("xcb");
    }
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

    out << "pump-bench: pump-network-tool's pump link against the simulator, and its window's "
           "start; ratio = measured / floor\n\n";
    printTable(out, rows);
    out << '\n';
    for (const QString &note : notes)
        out << "- " << note << '\n';
    out << "- floors: 1 a bare QUdpSocket taking the answers to one broadcast; 2 and 3 the "
           "100 ms pauses between frames; 4 a bare QSerialPort on the same pty; 5 the same "
           "1 ms timer on the idle thread for as long as the sequence took; 6 a bare QMainWindow "
           "of 658 x 485 started the same way; 7 the same 1 ms timer on the idle thread for as "
           "long as a flooded read took, and all 13 settings\n";
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

int main(int argc, char **argv)
{
    // First thing, so that both kinds of start are timed from the same point.
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc == 3 && qstrcmp(argv[1], "--startup") == 0)
        return Bench::startupChild(argv[2], sinceMain, argc, argv);
    return Bench::run(argc, argv);
}
