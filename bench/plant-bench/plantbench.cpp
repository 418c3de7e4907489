// plant-bench: pump-plant-tool and pumpctl on the same simulated plant in the same
// run. pumpctl reads every pump (`read --all`) and writes a plan; the window, in a
// child process of its own, searches and reads every pump, opens a plan of the same
// shape and writes it. Prints both times, their ratio, the window's longest
// event-loop stall and its peak memory. Runs only inside a private network
// namespace: both search by broadcast.

#include "plantbench.h"
#include "pumpfixtures.h"
#include "testsupport.h"
#include "watchedchild.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

constexpr int restartWaitMs = 2000;
constexpr int pumpRestartMs = restartWaitMs - 100;
constexpr int listedNameLength = 17;

// Every pump a time-out and a DNS server of its own; `round` makes each plan's
// values differ from the last one's, so that every pump has something to change.
QString writePlan(const QTemporaryDir &dir, int pumps, int round)
{
    const QString path = dir.filePath(QStringLiteral("plan-%1.csv").arg(round));
    QFile plan(path);
    plan.open(QIODevice::WriteOnly | QIODevice::Truncate);
    plan.write("pump,NTT,ND1\n");
    for (int i = 0; i < pumps; ++i) {
        const SimulatedPumpConfig pump = loopbackPump(i);
        plan.write(pump.name.left(listedNameLength).toLatin1() + ','
                   + QByteArray::number((i + round) % 1000) + ','
                   + QStringLiteral("10.%1.%2.%3").arg(round).arg(i / 250).arg(i % 250).toLatin1()
                   + '\n');
    }
    return path;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().split(' ').first())
                                          : QStringLiteral("unknown");
}

QString mib(long kib) { return QStringLiteral("%1 MiB").arg(kib / 1024.0, 0, 'f', 1); }

int benchmark(int pumps, double lossPercent)
{
    QTextStream out(stdout);
    PumpSimulatorThread sim;
    sim.call([pumps, lossPercent](PumpSimulator &simulator) {
        for (int i = 0; i < pumps; ++i)
            simulator.addPump(loopbackPump(i));
        simulator.listenForBroadcasts();
        simulator.setRestartMs(pumpRestartMs);
        simulator.setLoss(lossPercent);
    });
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("out.txt"));
    const QString wait = QString::number(restartWaitMs / 1000.0);
    const WatchedChild read = runWatched({ QStringLiteral(PUMPCTL), QStringLiteral("read"),
                                           QStringLiteral("--all"), QStringLiteral("--quiet") },
                                         results);
    const WatchedChild write
        = runWatched({ QStringLiteral(PUMPCTL), QStringLiteral("write"), writePlan(dir, pumps, 1),
                       QStringLiteral("--quiet"), QStringLiteral("--restart-wait"), wait },
                     results);
    const WatchedChild window
        = runWatched({ QCoreApplication::applicationFilePath(), QStringLiteral("--window"),
                       writePlan(dir, pumps, 2), QString::number(pumps) },
                     results);
    const QList<QByteArray> figures = window.output.trimmed().split(' ');
    if (window.exitCode != 0 || figures.size() != 7) {
        out << "the window's run failed (exit " << window.exitCode << ")\n";
        return 1;
    }
    const double searchMs = figures.at(0).toDouble();
    const double writeMs = figures.at(1).toDouble();
    out << "pump-plant-tool beside pumpctl, " << pumps << " simulated pumps, " << lossPercent
        << " % of answers lost; pumps restart in " << pumpRestartMs << " ms, restart wait "
        << restartWaitMs / 1000.0 << " s\n";
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg("", -22)
               .arg("pumpctl", 12)
               .arg("window", 12)
               .arg("ratio", 7);
    out << QStringLiteral("%1 %2 %3 %4   (pumpctl exit %5)\n")
               .arg("search and read all", -22)
               .arg(QStringLiteral("%1 ms").arg(read.ms, 0, 'f', 0), 12)
               .arg(QStringLiteral("%1 ms").arg(searchMs, 0, 'f', 0), 12)
               .arg(searchMs / read.ms, 7, 'f', 3)
               .arg(read.exitCode);
    out << QStringLiteral("%1 %2 %3 %4   (pumpctl exit %5; window: %6 of %7 confirmed)\n")
               .arg("write the plan", -22)
               .arg(QStringLiteral("%1 ms").arg(write.ms, 0, 'f', 0), 12)
               .arg(QStringLiteral("%1 ms").arg(writeMs, 0, 'f', 0), 12)
               .arg(writeMs / write.ms, 7, 'f', 3)
               .arg(write.exitCode)
               .arg(QString::fromLatin1(figures.at(6)))
               .arg(pumps);
    out << QStringLiteral("%1 %2 %3\n")
               .arg("peak memory", -22)
               .arg(mib(qMax(read.peakKiB, write.peakKiB)), 12)
               .arg(mib(window.peakKiB), 12);
    out << QStringLiteral("%1 %2 %3   (search and read; write: %4 ms)\n")
               .arg("longest stall", -22)
               .arg("", 12)
               .arg(QStringLiteral("%1 ms").arg(figures.at(2).toDouble(), 0, 'f', 1), 12)
               .arg(figures.at(3).toDouble(), 0, 'f', 1);
    out << QStringLiteral("%1 %2 %3   (search and read; write: %4 ms)\n")
               .arg("  of it the window's own", -22)
               .arg("", 12)
               .arg(QStringLiteral("%1 ms").arg(figures.at(4).toDouble(), 0, 'f', 1), 12)
               .arg(figures.at(5).toDouble(), 0, 'f', 1);
    out << "load average " << loadAverage() << " on " << QThread::idealThreadCount()
        << " processors\n";
    out << "goal: ratios <= 1.1, longest stall <= 16 ms, peak memory under 128 MiB, every "
           "pump confirmed\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--window") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return runPlantWindow(QString::fromLocal8Bit(argv[2]), restartWaitMs, atoi(argv[3]));
    }
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("pump-plant-tool beside pumpctl on one simulated plant."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("pumps"),
                                 QStringLiteral("Plant size (default 1000)."));
    const QCommandLineOption lossOption(QStringLiteral("loss"),
                                        QStringLiteral("Share of answers lost, in percent."),
                                        QStringLiteral("percent"), QStringLiteral("0"));
    parser.addOption(lossOption);
    parser.process(app);
    if (!inIsolatedNetwork()) {
        QTextStream(stdout) << "plant-bench broadcasts: run it through scripts/benchmark-plant\n";
        return 2;
    }
    const int pumps = parser.positionalArguments().isEmpty()
        ? 1000
        : parser.positionalArguments().first().toInt();
    return benchmark(pumps, parser.value(lossOption).toDouble());
}
