// Figure 7: a flood of junk datagrams at the tool's socket during an Ethernet read:
// the longest stall of this thread's event loop, beside the idle thread, and the
// settings the flooded read and the next one still deliver.

#include "benchmarks.h"
#include "benchsupport.h"
#include "programbinding.h"
#include "eventloop.h"
#include "simulatedpumps.h"
#include "stallmeter.h"

#include <sys/resource.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace Bench {
namespace {

constexpr int floodDatagrams = 20000;
constexpr int floodRuns = 3;
// After the last query reached the pump, its answer has this long to come back.
constexpr int lastAnswerMs = 300;

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

// The queries that reached the pump and where they came from, taken from the
// simulator's signal: asking it for its frames would wait for its thread, which is
// busy flooding, and the wait would count as a stall.
struct QueryWatch
{
    int queries = 0;
    QHostAddress toolAddress;
    quint16 toolPort = 0;

    void listenTo(PumpSimulatorThread *sim)
    {
        QObject::connect(sim, &PumpSimulatorThread::frameReceived, sim,
                         [this](const ReceivedFrame &frame) {
                             ++queries;
                             toolAddress = frame.sender;
                             toolPort = frame.senderPort;
                         });
    }
};

struct FloodRuns
{
    QVector<double> floodStallMs;
    QVector<double> floodSpanMs;
    QVector<double> sendingMs;
    QVector<double> delivered;
    QVector<double> nextDelivered;
    QVector<double> floodLines;
    QVector<double> floodCpuMs;
    QVector<double> floodPreempted;
    QVector<double> idleStallMs;
    qint64 drops = 0;
    int unstarted = 0;
};

// What one flood run works with.
struct FloodBench
{
    FloodBench(PumpSimulatorThread &sim, const QString &address)
        : sim(sim)
        , address(address)
    { }

    PumpSimulatorThread &sim;
    const QString &address;
    PumpManager manager;
    SettingsTally tally;
    StallMeter meter;
    QueryWatch watch;
};

// The flood starts on the simulator's thread once the read is under way; this
// thread is free while it is sent.
void floodedRead(FloodBench &bench, FloodRuns *runs)
{
    const QHostAddress peer = bench.watch.toolAddress;
    const quint16 port = bench.watch.toolPort;
    const qint64 dropsBefore = udpReceiveBufferDrops();
    auto floodStartNs = std::make_shared<std::atomic<qint64>>(0);
    auto floodEndNs = std::make_shared<std::atomic<qint64>>(0);

    const int linesBefore = debugLineCount.load();
    const ThreadUsage usageBefore = threadUsage();
    bench.meter.start();
    const qint64 startNs = steadyNowNs();
    onSimulatorAfter(bench.sim, 0, [peer, port, floodStartNs, floodEndNs](PumpSimulator &pump) {
        floodStartNs->store(steadyNowNs());
        pump.floodJunk(0, peer, port, floodDatagrams);
        floodEndNs->store(steadyNowNs());
    });
    const int queryCount = ProgramBinding::queryFrames().size();
    runUntil([&] { return bench.watch.queries >= queryCount; }, sequenceTimeoutMs);
    runUntil([&] { return bench.tally.complete(); }, lastAnswerMs);
    runs->floodStallMs.append(bench.meter.stop());
    runs->floodSpanMs.append(elapsedMs(startNs, steadyNowNs()));
    runs->floodLines.append(debugLineCount.load() - linesBefore);
    const ThreadUsage usageAfter = threadUsage();
    runs->floodCpuMs.append(usageAfter.cpuMs - usageBefore.cpuMs);
    runs->floodPreempted.append(usageAfter.preempted - usageBefore.preempted);
    runs->delivered.append(bench.tally.count);
    runFor(settleMs);
    runs->drops += udpReceiveBufferDrops() - dropsBefore;
    if (floodEndNs->load() != 0)
        runs->sendingMs.append(elapsedMs(floodStartNs->load(), floodEndNs->load()));
}

void floodRun(FloodBench &bench, FloodRuns *runs)
{
    bench.tally.reset();
    bench.watch.queries = 0;
    bench.manager.connectToPump(bench.address);
    // The read is under way once its first query reached the pump.
    if (!runUntil([&] { return bench.watch.queries > 0; }, sequenceTimeoutMs)) {
        ++runs->unstarted;
        runFor(settleMs);
        return;
    }
    floodedRead(bench, runs);

    // The flood is over: the next selection reads the pump again.
    bench.tally.reset();
    bench.manager.connectToPump(bench.address);
    runUntil([&] { return bench.tally.complete(); }, sequenceTimeoutMs);
    runs->nextDelivered.append(bench.tally.count);
    runFor(settleMs);
}

// The floor: the same meter on the idle thread for as long as a flooded read took.
void measureIdle(StallMeter &meter, FloodRuns *runs)
{
    const int spanMs
        = qRound(runs->floodSpanMs.isEmpty() ? 12.0 * framePauseMs : median(runs->floodSpanMs));
    for (int run = 0; run < floodRuns; ++run) {
        meter.start();
        runFor(spanMs);
        runs->idleStallMs.append(meter.stop());
    }
}

void reportRows(const FloodRuns &runs, BenchSection *section)
{
    const double stall = median(runs.floodStallMs);
    const double idleStall = median(runs.idleStallMs);
    section->rows.append({ QStringLiteral("7 longest event-loop stall, %1 junk datagrams during "
                                          "an Ethernet read (median of %2)")
                               .arg(floodDatagrams)
                               .arg(runs.floodStallMs.size()),
                           milliseconds(stall), milliseconds(idleStall),
                           ratioOf(stall, idleStall) });
    section->rows.append({ QStringLiteral("7 flood: settings the flooded read delivered, of %1 "
                                          "(each run)")
                               .arg(settingSignals().size()),
                           listOf(runs.delivered, 0), QString::number(settingSignals().size()),
                           shareDelivered(runs.delivered) });
    section->rows.append({ QStringLiteral("7 flood: settings the next read delivered, of %1 "
                                          "(each run)")
                               .arg(settingSignals().size()),
                           listOf(runs.nextDelivered, 0), QString::number(settingSignals().size()),
                           shareDelivered(runs.nextDelivered) });
}

void reportNotes(const FloodRuns &runs, BenchSection *section)
{
    const bool allNextComplete = !runs.nextDelivered.isEmpty()
        && std::all_of(runs.nextDelivered.cbegin(), runs.nextDelivered.cend(),
                       [](double count) { return count >= settingSignals().size(); });
    section->notes.append(
        QStringLiteral("7 flood, each run: longest stall %1 ms over %2 ms (idle, same span: %3 "
                       "ms); the simulator took %4 ms to send the %5 datagrams; datagrams the "
                       "system dropped for a full receive buffer: %6 in all; reads that never "
                       "started: %7; the next read delivered all %8 settings every time: %9")
            .arg(listOf(runs.floodStallMs, 2), listOf(runs.floodSpanMs, 0),
                 listOf(runs.idleStallMs, 2), listOf(runs.sendingMs, 0))
            .arg(floodDatagrams)
            .arg(runs.drops)
            .arg(runs.unstarted)
            .arg(settingSignals().size())
            .arg(allNextComplete ? QStringLiteral("yes") : QStringLiteral("no")));
    const double worstStall = runs.floodStallMs.isEmpty()
        ? notMeasured
        : *std::max_element(runs.floodStallMs.cbegin(), runs.floodStallMs.cend());
    // The junk that looks like a reply is logged; the program writes those lines to
    // stderr, which this measurement does not pay for.
    section->notes.append(
        QStringLiteral("7 flood: worst stall %1 ms against the aim of under %2 "
                       "ms: %3; debug lines the pump link wrote during each "
                       "flooded read: %4 (dropped here after formatting); this thread's "
                       "processor time during each: %5 ms, taken from it by the system: %6 "
                       "times")
            .arg(worstStall, 0, 'f', 2)
            .arg(stallTargetMs, 0, 'f', 0)
            .arg(worstStall < stallTargetMs ? QStringLiteral("met") : QStringLiteral("NOT met"))
            .arg(listOf(runs.floodLines, 0), listOf(runs.floodCpuMs, 0),
                 listOf(runs.floodPreempted, 0)));
}

} // namespace

BenchSection benchFlood()
{
    BenchSection section;
    QString address;
    const std::unique_ptr<PumpSimulatorThread> sim = startOnePump("7 flood", &section, &address);
    if (!sim)
        return section;
    FloodBench bench(*sim, address);
    bench.tally.listenTo(&bench.manager);
    bench.watch.listenTo(sim.get());

    FloodRuns runs;
    for (int run = 0; run < floodRuns; ++run)
        floodRun(bench, &runs);
    measureIdle(bench.meter, &runs);
    reportRows(runs, &section);
    reportNotes(runs, &section);
    return section;
}

} // namespace Bench
