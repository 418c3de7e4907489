#ifndef LOOPSTALLMETER_H
#define LOOPSTALLMETER_H

#include <QObject>
#include <QTimer>

#include <chrono>

// How long the thread's event loop went without turning: a 1 ms precise timer
// ticks as long as the loop runs, so the longest gap between two ticks is the
// longest time the user interface could not have repainted or taken a click.
class LoopStallMeter
{
public:
    LoopStallMeter()
    {
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [this] { tick(); });
    }

    void start()
    {
        longestNs = 0;
        lastTickNs = nowNs();
        ticker.start();
    }

    // The longest gap in ms, counting the one still open when the meter stops: a
    // stall that ends the measured stretch counts as much as one inside it.
    double stop()
    {
        tick();
        ticker.stop();
        return longestNs / 1e6;
    }

private:
    static qint64 nowNs()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    void tick()
    {
        const qint64 now = nowNs();
        longestNs = qMax(longestNs, now - lastTickNs);
        lastTickNs = now;
    }

    QTimer ticker;
    qint64 lastTickNs = 0;
    qint64 longestNs = 0;
};

#endif // LOOPSTALLMETER_H
