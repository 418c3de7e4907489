#include "stallmeter.h"

StallMeter::StallMeter()
{
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [this] { tick(); });
    clock.start();
    start();
}

void StallMeter::start()
{
    longestNs = 0;
    lastNs = clock.nsecsElapsed();
    ticker.start();
}

double StallMeter::stop()
{
    if (ticker.isActive()) {
        tick();
        ticker.stop();
    }
    return longestMs();
}

double StallMeter::longestMs() const
{
    const qint64 openNs = ticker.isActive() ? clock.nsecsElapsed() - lastNs : 0;
    return qMax(longestNs, openNs) / 1e6;
}

void StallMeter::tick()
{
    const qint64 now = clock.nsecsElapsed();
    longestNs = qMax(longestNs, now - lastNs);
    lastNs = now;
}
