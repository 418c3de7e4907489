#include "plantbench.h"

#include "plantwindow.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

#include <time.h>

namespace {

// The longest turn of the event loop twice over: by the wall clock (what the
// technician sees, preemption by other programs included) and by this thread's own
// processor time (the window's own work; on a loaded machine the two differ).
class TurnMeter
{
public:
    TurnMeter()
    {
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [this] { tick(); });
        start();
    }
    void start()
    {
        longestWallNs = 0;
        longestCpuNs = 0;
        lastWallNs = wallNs();
        lastCpuNs = cpuNs();
        ticker.start(1);
    }
    void stop()
    {
        tick();
        ticker.stop();
    }
    double wallMs() const { return longestWallNs / 1e6; }
    double cpuMs() const { return longestCpuNs / 1e6; }

private:
    static qint64 wallNs() { return clockNs(CLOCK_MONOTONIC); }
    static qint64 cpuNs() { return clockNs(CLOCK_THREAD_CPUTIME_ID); }
    static qint64 clockNs(clockid_t clock)
    {
        timespec now {};
        clock_gettime(clock, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    void tick()
    {
        const qint64 wall = wallNs();
        const qint64 cpu = cpuNs();
        longestWallNs = qMax(longestWallNs, wall - lastWallNs);
        longestCpuNs = qMax(longestCpuNs, cpu - lastCpuNs);
        lastWallNs = wall;
        lastCpuNs = cpu;
    }

    QTimer ticker;
    qint64 lastWallNs = 0;
    qint64 lastCpuNs = 0;
    qint64 longestWallNs = 0;
    qint64 longestCpuNs = 0;
};

// The technician's answer to the confirmation: the default button, which writes.
void confirmEveryBox(QObject *context)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (box->defaultButton())
                box->defaultButton()->click();
        }
    });
    poll->start(5);
}

} // namespace

int runPlantWindow(const QString &planPath, int restartWaitMs, int pumps)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    PlantWindow window;
    window.setRestartWaitMs(restartWaitMs);
    window.show();
    confirmEveryBox(&window);
    // The window's first paint is over before the meter starts.
    runFor(500);
    TurnMeter stalls;
    QElapsedTimer clock;
    clock.start();
    window.searchPumps();
    runUntil([&] { return !window.isBusy(); }, 120000);
    const double searchMs = clock.nsecsElapsed() / 1e6;
    stalls.stop();
    const double searchStallMs = stalls.wallMs();
    const double searchBusyMs = stalls.cpuMs();
    if (window.model().pumpCount() != pumps || !window.openPlanFile(planPath))
        return 1;
    stalls.start();
    clock.restart();
    window.writePumps();
    runUntil([&] { return !window.isBusy(); }, 300000);
    const double writeMs = clock.nsecsElapsed() / 1e6;
    stalls.stop();
    const double writeStallMs = stalls.wallMs();
    const double writeBusyMs = stalls.cpuMs();
    int confirmed = 0;
    for (int row = 0; row < window.model().pumpCount(); ++row)
        confirmed += window.model().row(row).outcome == PumpOutcome::Confirmed ? 1 : 0;
    QTextStream(stdout) << searchMs << ' ' << writeMs << ' ' << searchStallMs << ' ' << writeStallMs
                        << ' ' << searchBusyMs << ' ' << writeBusyMs << ' ' << confirmed << '\n';
    return 0;
}
