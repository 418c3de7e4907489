// The child of figure 6: one start of the network tool's window, of a bare window
// of its size, or of the window's suspects one by one, in a process of its own.

#include "benchmarks.h"
#include "mainwindow.h"
#include "pumpapplication.h"
#include "pumpmanager.h"
#include "startupfigures.h"
#include "steadyclock.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMovie>
#include <QTimer>

#include <functional>
#include <memory>

namespace Bench {
namespace {

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

std::unique_ptr<QMainWindow> makeWindow(bool networkTool)
{
    if (networkTool) {
        setProgramIcon();
        return std::make_unique<MainWindow>();
    }
    auto window = std::make_unique<QMainWindow>();
    window->resize(bareWindowWidth, bareWindowHeight);
    window->setFixedSize(window->size());
    return window;
}

} // namespace

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

    const std::unique_ptr<QMainWindow> window = makeWindow(networkTool);
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

} // namespace Bench
