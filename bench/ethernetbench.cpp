// Figures 2, 3 and 5: an Ethernet read and write of the standard pump, each beside
// the 100 ms pauses it is made of, and the longest stall of this thread's event loop
// meanwhile, beside the same meter on the idle thread.

#include "benchmarks.h"
#include "benchsupport.h"
#include "eventloop.h"
#include "stallmeter.h"

#include <algorithm>

namespace Bench {
namespace {

constexpr int sequenceRuns = 5;

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

struct SequenceRuns
{
    QVector<double> readMs;
    QVector<double> readStallMs;
    QVector<double> writeMs;
    QVector<double> saveArrivalMs;
    QVector<double> writeStallMs;
    QVector<double> idleReadStallMs;
    QVector<double> idleWriteStallMs;
    int incompleteReads = 0;
    int unfinishedWrites = 0;
};

void measureRead(PumpManager &manager, const QString &address, SettingsTally &tally,
                 StallMeter &meter, SequenceRuns *runs)
{
    tally.reset();
    meter.start();
    const qint64 connectNs = steadyNowNs();
    manager.connectToPump(address);
    const bool readComplete = runUntil([&] { return tally.complete(); }, sequenceTimeoutMs);
    runs->readStallMs.append(meter.stop());
    if (readComplete)
        runs->readMs.append(elapsedMs(connectNs, tally.lastNs));
    else
        ++runs->incompleteReads;
    runFor(settleMs);
}

void measureWrite(PumpManager &manager, PumpSimulatorThread &sim, StallMeter &meter,
                  SequenceRuns *runs)
{
    const PUMP_MODEL_T record = unchangedRecord();
    sim.clearFrames();
    setWorkerFinishedNs.store(0);
    meter.start();
    const qint64 submitNs = steadyNowNs();
    manager.setPumpSettings(record);
    const bool writeFinished
        = runUntil([&] { return setWorkerFinishedNs.load() != 0; }, sequenceTimeoutMs);
    runs->writeStallMs.append(meter.stop());
    if (writeFinished)
        runs->writeMs.append(elapsedMs(submitNs, setWorkerFinishedNs.load()));
    else
        ++runs->unfinishedWrites;
    runFor(settleMs);
    // Read after the settling, so that asking the simulator is not part of a stall.
    const QByteArray saveFrame = PumpProtocol::saveFrame();
    const QVector<ReceivedFrame> frames = sim.frames();
    for (const ReceivedFrame &frame : frames) {
        if (frame.bytes == saveFrame)
            runs->saveArrivalMs.append(elapsedMs(submitNs, frame.steadyNs));
    }
}

// The same meter while the thread has nothing to do: what the system and the
// toolkit cost anyway, for as long as a read or a write lasts.
void measureIdle(StallMeter &meter, SequenceRuns *runs)
{
    const int readSpanMs
        = qRound(runs->readMs.isEmpty() ? 12.0 * framePauseMs : median(runs->readMs));
    const int writeSpanMs
        = qRound(runs->writeMs.isEmpty() ? 13.0 * framePauseMs : median(runs->writeMs));
    for (int run = 0; run < sequenceRuns; ++run) {
        meter.start();
        runFor(readSpanMs);
        runs->idleReadStallMs.append(meter.stop());
        meter.start();
        runFor(writeSpanMs);
        runs->idleWriteStallMs.append(meter.stop());
    }
}

void reportRows(const SequenceRuns &runs, BenchSection *section)
{
    const double readFloor = 12.0 * framePauseMs;
    const double writeFloor = 13.0 * framePauseMs;
    section->rows.append({ QStringLiteral("2 Ethernet read: connectToPump to 13th setting "
                                          "(median of %1)")
                               .arg(runs.readMs.size()),
                           milliseconds(median(runs.readMs)), milliseconds(readFloor),
                           ratioOf(median(runs.readMs), readFloor) });
    section->rows.append({ QStringLiteral("3 Ethernet write: setPumpSettings to "
                                          "on_setWorker_finished (median of %1)")
                               .arg(runs.writeMs.size()),
                           milliseconds(median(runs.writeMs)), milliseconds(writeFloor),
                           ratioOf(median(runs.writeMs), writeFloor) });
    section->rows.append(
        { QStringLiteral("5 longest event-loop stall, Ethernet read (median of %1)")
              .arg(runs.readStallMs.size()),
          milliseconds(median(runs.readStallMs)), milliseconds(median(runs.idleReadStallMs)),
          ratioOf(median(runs.readStallMs), median(runs.idleReadStallMs)) });
    section->rows.append(
        { QStringLiteral("5 longest event-loop stall, Ethernet write (median of %1)")
              .arg(runs.writeStallMs.size()),
          milliseconds(median(runs.writeStallMs)), milliseconds(median(runs.idleWriteStallMs)),
          ratioOf(median(runs.writeStallMs), median(runs.idleWriteStallMs)) });
}

void reportNotes(const SequenceRuns &runs, BenchSection *section)
{
    section->notes.append(QStringLiteral("2 Ethernet read, each run: %1 ms; incomplete reads: %2")
                              .arg(listOf(runs.readMs, 1))
                              .arg(runs.incompleteReads));
    section->notes.append(QStringLiteral("3 Ethernet write, each run: %1 ms (save frame at the "
                                         "pump after %2 ms); unfinished writes: %3")
                              .arg(listOf(runs.writeMs, 1), listOf(runs.saveArrivalMs, 1))
                              .arg(runs.unfinishedWrites));
    const double worstStall
        = qMax(*std::max_element(runs.readStallMs.cbegin(), runs.readStallMs.cend()),
               *std::max_element(runs.writeStallMs.cbegin(), runs.writeStallMs.cend()));
    section->notes.append(
        QStringLiteral("5 stalls, each run: read %1 ms, write %2 ms; idle %3 ms "
                       "and %4 ms; worst %5 ms against the aim of under %6 ms: %7")
            .arg(listOf(runs.readStallMs, 2), listOf(runs.writeStallMs, 2),
                 listOf(runs.idleReadStallMs, 2), listOf(runs.idleWriteStallMs, 2))
            .arg(worstStall, 0, 'f', 2)
            .arg(stallTargetMs, 0, 'f', 0)
            .arg(worstStall < stallTargetMs ? QStringLiteral("met") : QStringLiteral("NOT met")));
}

} // namespace

BenchSection benchEthernetSequences()
{
    BenchSection section;
    QString address;
    const std::unique_ptr<PumpSimulatorThread> sim
        = startOnePump("2/3/5 Ethernet", &section, &address);
    if (!sim)
        return section;

    PumpManager manager;
    SettingsTally tally;
    tally.listenTo(&manager);
    StallMeter meter;
    SequenceRuns runs;
    for (int run = 0; run < sequenceRuns; ++run) {
        measureRead(manager, address, tally, meter, &runs);
        measureWrite(manager, *sim, meter, &runs);
    }
    measureIdle(meter, &runs);
    reportRows(runs, &section);
    reportNotes(runs, &section);
    return section;
}

} // namespace Bench
