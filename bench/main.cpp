// Measures the pump link of pump-network-tool against our simulator, and the start
// of its window, and prints each figure beside its floor: the same work done by the
// bare transport or an empty window, or the pauses the sequence is made of. A ratio
// near 1 means the tool adds little.

#include "benchmarks.h"
#include "benchsupport.h"
#include "isolatednetwork.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace Bench {
namespace {

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

bool knownFigures(const QStringList &wanted)
{
    return std::all_of(wanted.cbegin(), wanted.cend(), [](const QString &name) {
        return std::any_of(benchmarks().cbegin(), benchmarks().cend(),
                           [&](const Benchmark &b) { return name == b.name; });
    });
}

// Runs the wanted figures (all when none is named) and gathers their rows and
// notes. Several figures come from one run of a sequence; the table goes by number.
BenchSection runFigures(const QStringList &wanted, QTextStream &err)
{
    BenchSection all;
    for (const Benchmark &benchmark : benchmarks()) {
        if (!wanted.isEmpty() && !wanted.contains(QLatin1String(benchmark.name)))
            continue;
        err << "pump-bench: " << benchmark.name << "..." << Qt::endl;
        const BenchSection section = benchmark.run();
        all.rows += section.rows;
        all.notes += section.notes;
    }
    const auto figureNumber = [](const QString &text) { return text.section(' ', 0, 0).toInt(); };
    std::stable_sort(all.rows.begin(), all.rows.end(), [&](const BenchRow &a, const BenchRow &b) {
        return figureNumber(a.figure) < figureNumber(b.figure);
    });
    std::stable_sort(all.notes.begin(), all.notes.end(), [&](const QString &a, const QString &b) {
        return figureNumber(a) < figureNumber(b);
    });
    return all;
}

void printReport(QTextStream &out, const BenchSection &all, const QString &loadBefore,
                 double seconds)
{
    out << "pump-bench: pump-network-tool's pump link against the simulator, and its window's "
           "start; ratio = measured / floor\n\n";
    printTable(out, all.rows);
    out << '\n';
    for (const QString &note : all.notes)
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
        << QString::number(seconds, 'f', 1) << " s in all\n";
    out.flush();
}

int run(int argc, char **argv)
{
    // The windows of figure 6 go where this user's windows go; with no display, to
    // the offscreen platform, like everything else here.
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty()) {
        platform = qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("offscreen")
                                                          : QStringLiteral("xcb");
    }
    setStartupPlatform(platform);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qRegisterMetaType<PUMP_MODEL_T>("PUMP_MODEL_T");

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList wanted = application.arguments().mid(1);
    if (wanted.contains(QLatin1String("--help")) || wanted.contains(QLatin1String("-h"))) {
        printUsage(out);
        return 0;
    }
    if (!knownFigures(wanted)) {
        printUsage(err);
        return 2;
    }

    watchPumpLog();
    const QString loadBefore = loadAverage();
    QElapsedTimer total;
    total.start();
    const BenchSection all = runFigures(wanted, err);
    printReport(out, all, loadBefore, total.elapsed() / 1000.0);
    return 0;
}

} // namespace
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
