// Figure 4: a settings read over a pseudo-terminal, beside a bare serial port that
// writes the same thirteen queries and waits once for each answer.

#include "benchmarks.h"
#include "benchsupport.h"
#include "programbinding.h"
#include "eventloop.h"
#include "simulatedpumps.h"

#include <QSerialPort>

namespace Bench {
namespace {

constexpr int serialRuns = 5;
constexpr int serialWaitMs = 100;

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
    const QVector<QByteArray> queries = ProgramBinding::queryFrames();
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

} // namespace

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

} // namespace Bench
