#include "startqueue.h"

StartQueue::StartQueue(Starter start, QObject *parent)
    : QObject(parent)
    , start(std::move(start))
{
    clock.start();
    nextMillisecond.setSingleShot(true);
    nextMillisecond.setTimerType(Qt::PreciseTimer);
    connect(&nextMillisecond, &QTimer::timeout, this, &StartQueue::startSome);
}

void StartQueue::push(int pump)
{
    queue.push_back(pump);
    startSome();
}

void StartQueue::release()
{
    if (inFlight > 0)
        --inFlight;
    startSome();
}

void StartQueue::clear()
{
    queue.clear();
    nextMillisecond.stop();
}

void StartQueue::startSome()
{
    while (!queue.empty() && inFlight < limit) {
        const qint64 nowMs = clock.elapsed();
        if (nowMs != windowMs) {
            windowMs = nowMs;
            startsInWindow = 0;
        }
        if (startsInWindow == startsPerMillisecond) {
            if (!nextMillisecond.isActive())
                nextMillisecond.start(1);
            return;
        }
        ++startsInWindow;
        ++inFlight;
        const int pump = queue.front();
        queue.pop_front();
        start(pump);
    }
}
