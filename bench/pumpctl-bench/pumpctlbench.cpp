// pumpctl-bench: how long `pumpctl write` takes for a plant of simulated pumps, from
// its start to its last verification, beside the floor no parallel tool can beat:
// one pump's write sequence, the restart wait, and one pump's read sequence (and
// one more read first when the plan leaves settings to keep). Also pumpctl's peak
// memory. Runs only inside a private network namespace: pumpctl searches by
// broadcast.

#include "programprofile.h"
#include "pumpfixtures.h"
#include "pumpprotocol.h"
#include "testsupport.h"
#include "watchedchild.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// pumpctl waits this long for the restart; the simulated pumps are silent a little
// less, as a real pump must be for the wait to be enough.
constexpr int restartWaitMs = 2000;
constexpr int pumpRestartMs = restartWaitMs - 100;
// Pumps are listed, and so found, by the first 17 characters of their name; pump
// 10,000's name is one longer.
constexpr int listedNameLength = 17;

struct Figure
{
    int pumps = 0;
    bool partial = false;
    double ms = 0;
    double floorMs = 0;
    long peakKiB = 0;
    int exitCode = -1;
};

// A row for every pump, each with changes of its own; a partial plan leaves all but
// two settings to keep.
QByteArray planFor(int pumps, bool partial)
{
    QByteArray plan
        = partial ? "pump,NTT,ND1\n" : "pump,NAM,NIP,NSM,NDG,ND1,ND2,NTT,NUH,NUM,NCM,NBT,NTN,NPA\n";
    for (int i = 0; i < pumps; ++i) {
        const SimulatedPumpConfig pump = loopbackPump(i);
        const QByteArray dns = QStringLiteral("10.%1.%2.53").arg(i / 250).arg(i % 250).toLatin1();
        const QByteArray timeout = QByteArray::number(i % 1000);
        if (partial) {
            plan += pump.name.left(listedNameLength).toLatin1() + ',' + timeout + ',' + dns + '\n';
            continue;
        }
        plan += pump.name.left(listedNameLength).toLatin1() + ",Static,"
            + pump.address.toString().toLatin1() + ",255.0.0.0,127.0.0.1," + dns + ",10.0.0.54,"
            + timeout + ',' + QByteArray::number(i % 12 - 6) + ',' + QByteArray::number(i % 60)
            + ',' + (i % 2 ? "On" : "Off") + ',' + (i % 3 ? "On" : "Off") + ','
            + (i % 5 ? "On" : "Off") + ',' + QByteArray::number(i % 126) + '\n';
    }
    return plan;
}

// One pump's sequences as the link paces them: a pause after every frame but the
// last of a read, after every set frame of a write.
double floorMs(int restartWaitMs, bool partial)
{
    const int settings = ProgramProfile::network().settingCount();
    const double write = settings * PumpProtocol::framePauseMs;
    const double read = (settings - 1) * PumpProtocol::framePauseMs;
    return write + restartWaitMs + read + (partial ? read : 0);
}

// The child's own high-water mark of resident memory, in KiB; 0 once it is gone.
// (Its rusage would count the bench's memory too: a spawned child starts in a copy
// of the bench, simulator and all, until it executes pumpctl.)
// Runs pumpctl with its results going to `resultsPath` and waits for it here,
// watching its peak resident size.
Figure runPumpctl(const QString &planPath, const QString &resultsPath, int pumps, bool partial)
{
    Figure figure;
    figure.pumps = pumps;
    figure.partial = partial;
    figure.floorMs = floorMs(restartWaitMs, partial);
    const WatchedChild run = runWatched(
        { QStringLiteral(PUMPCTL), QStringLiteral("write"), planPath, QStringLiteral("--quiet"),
          QStringLiteral("--restart-wait"), QString::number(restartWaitMs / 1000.0) },
        resultsPath);
    figure.ms = run.ms;
    figure.peakKiB = run.peakKiB;
    figure.exitCode = run.exitCode;
    return figure;
}

// How many result lines say "confirmed", and the first that does not.
int confirmedCount(const QString &resultsPath, QString *firstOther)
{
    QFile file(resultsPath);
    file.open(QIODevice::ReadOnly);
    int confirmed = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.endsWith(": confirmed"))
            ++confirmed;
        else if (!line.isEmpty() && firstOther->isEmpty())
            *firstOther = QString::fromUtf8(line);
    }
    return confirmed;
}

// One plant of `size` simulated pumps written with a full or a partial plan; prints
// its line and returns whether every pump was confirmed.
bool writePlant(int size, bool partial, double lossPercent, const QTemporaryDir &dir,
                QTextStream &out)
{
    PumpSimulatorThread sim;
    sim.call([size, lossPercent](PumpSimulator &pumps) {
        for (int i = 0; i < size; ++i)
            pumps.addPump(loopbackPump(i));
        pumps.listenForBroadcasts();
        pumps.setRestartMs(pumpRestartMs);
        pumps.setLoss(lossPercent);
    });
    QFile plan(dir.filePath(QStringLiteral("plan.csv")));
    plan.open(QIODevice::WriteOnly | QIODevice::Truncate);
    plan.write(planFor(size, partial));
    plan.close();
    const QString results = dir.filePath(QStringLiteral("results.txt"));
    const Figure figure = runPumpctl(plan.fileName(), results, size, partial);
    QString firstOther;
    const int confirmed = confirmedCount(results, &firstOther);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6%7\n")
               .arg(figure.pumps, 6)
               .arg(partial ? "partial" : "full", -8)
               .arg(QStringLiteral("%1 ms").arg(figure.ms, 0, 'f', 0), 10)
               .arg(QStringLiteral("%1 ms").arg(figure.floorMs, 0, 'f', 0), 10)
               .arg(figure.ms / figure.floorMs, 6, 'f', 3)
               .arg(QStringLiteral("%1 MiB").arg(figure.peakKiB / 1024.0, 0, 'f', 1), 12)
               .arg(figure.exitCode == 0 ? QString()
                                         : QStringLiteral("  (exit %1, %2 confirmed; %3)")
                                               .arg(figure.exitCode)
                                               .arg(confirmed)
                                               .arg(firstOther));
    out.flush();
    return figure.exitCode == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("pumpctl write of a simulated plant, "
                                                    "end to end, beside its floor."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("pumps"),
                                 QStringLiteral("Plant sizes (default 10 100 1000)."));
    const QCommandLineOption lossOption(
        QStringLiteral("loss"),
        QStringLiteral("Share of the pumps' answers to settings queries that get lost, in "
                       "percent (default 0), as on a lossy plant network."),
        QStringLiteral("percent"), QStringLiteral("0"));
    parser.addOption(lossOption);
    parser.process(app);
    const double lossPercent = parser.value(lossOption).toDouble();
    QTextStream out(stdout);
    if (!inIsolatedNetwork()) {
        out << "pumpctl-bench broadcasts: run it through scripts/benchmark-pumpctl\n";
        return 2;
    }
    QVector<int> sizes;
    for (const QString &size : parser.positionalArguments())
        sizes.append(size.toInt());
    if (sizes.isEmpty())
        sizes = { 10, 100, 1000 };

    QTemporaryDir dir;
    out << "pumpctl write, end to end (start to last verification); pumps restart in "
        << pumpRestartMs << " ms, --restart-wait " << restartWaitMs / 1000.0 << " s, "
        << lossPercent << " % of answers lost\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg("pumps", 6)
               .arg("plan", -8)
               .arg("figure", 10)
               .arg("floor", 10)
               .arg("ratio", 6)
               .arg("peak memory", 12);
    bool allConfirmed = true;
    for (const int size : qAsConst(sizes)) {
        for (const bool partial : { false, true })
            allConfirmed = writePlant(size, partial, lossPercent, dir, out) && allConfirmed;
    }
    out << "goal: every pump confirmed (exit 0); ratio <= 1.1 with 1000 pumps and <= 1.2 with "
           "10000, peak memory under 128 MiB\n";
    return allConfirmed ? 0 : 1;
}
