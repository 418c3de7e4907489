#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkInterface>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>

// Broadcasts may only be sent where they cannot leave the machine: inside a
// private network namespace whose only interface is loopback.
inline bool inIsolatedNetwork()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            return false;
    }
    return true;
}

#define SKIP_UNLESS_ISOLATED()                                                                     \
    do {                                                                                           \
        if (!inIsolatedNetwork())                                                                  \
            QSKIP("Needs the identity broadcast, which is only sent inside a private network "     \
                  "namespace whose only interface is loopback (run the tests through "             \
                  "scripts/run-tests)");                                                           \
    } while (false)

// Runs the event loop until `done` holds or `timeoutMs` passes. Unlike QTest::qWait it
// never sleeps between events, so queued frames leave when they are due.
inline bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    poll.start(1);
    if (!done())
        loop.exec();
    return done();
}

inline void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}

inline qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Measures how long the thread's event loop goes without turning: a 1 ms timer
// records the longest gap between its ticks while it runs. It starts measuring when
// made; start() and stop() measure one stretch after another with the same meter.
class StallMeter
{
public:
    StallMeter()
    {
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [this] { tick(); });
        clock.start();
        start();
    }

    // Forgets what was measured and measures from now on.
    void start()
    {
        longestNs = 0;
        lastNs = clock.nsecsElapsed();
        ticker.start();
    }

    // Ends the stretch and returns its longest gap in ms, counting the one still open:
    // a stall that ends the stretch counts as much as one inside it.
    double stop()
    {
        if (ticker.isActive()) {
            tick();
            ticker.stop();
        }
        return longestMs();
    }

    // The longest gap so far, the one still open included while the meter runs.
    double longestMs() const
    {
        const qint64 openNs = ticker.isActive() ? clock.nsecsElapsed() - lastNs : 0;
        return qMax(longestNs, openNs) / 1e6;
    }

private:
    void tick()
    {
        const qint64 now = clock.nsecsElapsed();
        longestNs = qMax(longestNs, now - lastNs);
        lastNs = now;
    }

    QTimer ticker;
    QElapsedTimer clock;
    qint64 lastNs = 0;
    qint64 longestNs = 0;
};

// Collects the program's diagnostic lines (the debug stream only; the toolkit's own
// warnings go their usual way). Lines come from the worker thread too.
class LogCapture
{
public:
    LogCapture()
    {
        instance() = this;
        previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(previous);
        instance() = nullptr;
    }

    QStringList lines() const
    {
        QMutexLocker locker(&mutex);
        return captured;
    }
    void clear()
    {
        QMutexLocker locker(&mutex);
        captured.clear();
    }
    // The captured lines that start with `prefix`, in order.
    QStringList linesStartingWith(const QString &prefix) const
    {
        QStringList matching;
        for (const QString &line : lines()) {
            if (line.startsWith(prefix))
                matching.append(line);
        }
        return matching;
    }

private:
    static LogCapture *&instance()
    {
        static LogCapture *current = nullptr;
        return current;
    }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        LogCapture *capture = instance();
        if (capture && type == QtDebugMsg) {
            QMutexLocker locker(&capture->mutex);
            capture->captured.append(message);
            return;
        }
        if (capture && capture->previous)
            capture->previous(type, context, message);
        else
            fprintf(stderr, "%s\n", qPrintable(message));
    }

    mutable QMutex mutex;
    QStringList captured;
    QtMessageHandler previous = nullptr;
};

#endif // TESTSUPPORT_H
