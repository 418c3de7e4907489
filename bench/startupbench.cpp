// Figure 6: the start-up time and memory of the network tool's window, beside a bare
// window of its size started the same way. Each start is a fresh process of this
// program (pump-bench --startup network|bare), so both load the same libraries and
// only the window differs. A third kind (--startup pieces) times the suspects of a
// slow start alone.

#include "benchmarks.h"
#include "benchsupport.h"
#include "startupfigures.h"
#include "steadyclock.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

namespace Bench {
namespace {

constexpr int startupRuns = 5;
// The window may cost this much more than an empty one of its size to start.
constexpr double startupAim = 1.3;

QString startupPlatform;

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

struct StartupRuns
{
    QVector<StartupFigures> network;
    QVector<StartupFigures> bare;
    QVector<StartupFigures> pieces;
    QString problem;
};

StartupRuns measureStarts()
{
    StartupRuns runs;
    // Unmeasured: the first start of each pays for reading the files from disk.
    startOnce(QStringLiteral("network"), &runs.problem);
    startOnce(QStringLiteral("bare"), &runs.problem);
    // Alternating, so that a change of load on the machine falls on both alike.
    for (int run = 0; run < startupRuns && runs.problem.isEmpty(); ++run) {
        const StartupFigures networkRun = startOnce(QStringLiteral("network"), &runs.problem);
        const StartupFigures bareRun = startOnce(QStringLiteral("bare"), &runs.problem);
        const StartupFigures piecesRun = startOnce(QStringLiteral("pieces"), &runs.problem);
        if (!runs.problem.isEmpty())
            break;
        runs.network.append(networkRun);
        runs.bare.append(bareRun);
        runs.pieces.append(piecesRun);
    }
    return runs;
}

void reportTimeAndMemory(const StartupRuns &runs, BenchSection *section)
{
    const QString timeFigure = QStringLiteral("6 start-up: main() to the window's first paint "
                                              "(median of %1)")
                                   .arg(runs.network.size());
    const QString memoryFigure = QStringLiteral("6 start-up: memory in use (VmRSS) after the "
                                                "first paint (median of %1)")
                                     .arg(runs.network.size());
    if (!runs.problem.isEmpty()) {
        section->rows.append({ timeFigure, QStringLiteral("failed"), QStringLiteral("-") });
        section->rows.append({ memoryFigure, QStringLiteral("failed"), QStringLiteral("-") });
        section->notes.append(QStringLiteral("6 start-up: ") + runs.problem);
        return;
    }
    const auto kib = [](double value) { return QStringLiteral("%1 KiB").arg(value, 0, 'f', 0); };
    const auto &network = runs.network;
    const auto &bare = runs.bare;
    section->rows.append({ timeFigure, milliseconds(medianOf(network, "done-ms")),
                           milliseconds(medianOf(bare, "done-ms")),
                           ratioOf(medianOf(network, "done-ms"), medianOf(bare, "done-ms")) });
    section->rows.append({ memoryFigure, kib(medianOf(network, "rss-kib")),
                           kib(medianOf(bare, "rss-kib")),
                           ratioOf(medianOf(network, "rss-kib"), medianOf(bare, "rss-kib")) });
    section->notes.append(
        QStringLiteral("6 start-up, each run: network tool %1 ms, bare window %2 ms (from the "
                       "top of main(), one QElapsedTimer started first thing in both); from "
                       "QProcess::start in this process, fork, exec and library loading "
                       "included: %3 ms and %4 ms")
            .arg(listOf(column(network, "done-ms"), 1), listOf(column(bare, "done-ms"), 1),
                 listOf(column(network, "launch-ms"), 1), listOf(column(bare, "launch-ms"), 1)));
    section->notes.append(
        QStringLiteral("6 start-up memory, each run: network tool %1 KiB, bare "
                       "window %2 KiB")
            .arg(listOf(column(network, "rss-kib"), 0), listOf(column(bare, "rss-kib"), 0)));
}

// Where the time and memory go: the stretches of both starts.
QString stretches(const QVector<StartupFigures> &runs)
{
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
}

// The window's suspects, timed alone in a fresh application.
QString suspectsNote(const QVector<StartupFigures> &pieces)
{
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
    const double formMs
        = warmWindowMs - medianOf(pieces, "scan-ms") - medianOf(pieces, "manager-ms");
    return QStringLiteral("6 start-up, the suspects timed alone in a fresh application, in the "
                          "order the program meets them (medians of %1): %2; then MainWindow made "
                          "with all of these warm %3 ms (+%4 KiB), which makes its own scan and "
                          "worker thread again: its form (widgets and their fonts), style sheets "
                          "and logo about %5 ms")
        .arg(pieces.size())
        .arg(pieceTexts.join(QStringLiteral(", ")))
        .arg(warmWindowMs, 0, 'f', 1)
        .arg(medianOf(pieces, "window-kib"), 0, 'f', 0)
        .arg(formMs, 0, 'f', 1);
}

QString verdictNote(const StartupRuns &runs)
{
    const auto verdict = [](double ratio) {
        return ratio <= startupAim ? QStringLiteral("met") : QStringLiteral("NOT met");
    };
    const double timeRatio
        = ratioOf(medianOf(runs.network, "done-ms"), medianOf(runs.bare, "done-ms"));
    const double memoryRatio
        = ratioOf(medianOf(runs.network, "rss-kib"), medianOf(runs.bare, "rss-kib"));
    return QStringLiteral("6 start-up: both on the %1 platform, one unmeasured start of each "
                          "first; aim within %2 x the bare window: time %3, memory %4")
        .arg(startupPlatform)
        .arg(startupAim, 0, 'f', 1)
        .arg(verdict(timeRatio), verdict(memoryRatio));
}

} // namespace

void setStartupPlatform(const QString &platform) { startupPlatform = platform; }

BenchSection benchStartup()
{
    BenchSection section;
    const StartupRuns runs = measureStarts();
    reportTimeAndMemory(runs, &section);
    if (!runs.problem.isEmpty())
        return section;
    section.notes.append(QStringLiteral("6 start-up, stretches (medians): network tool: %1; bare "
                                        "window: %2")
                             .arg(stretches(runs.network), stretches(runs.bare)));
    section.notes.append(suspectsNote(runs.pieces));
    section.notes.append(verdictNote(runs));
    return section;
}

} // namespace Bench
