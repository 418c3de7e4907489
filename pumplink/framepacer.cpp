#include "framepacer.h"

#include "steadyclock.h"

#include <QThread>

void FramePacer::frameLeft(qint64 pauseNs) { readyAt = steadyNowNs() + pauseNs; }

bool FramePacer::answered()
{
    const qint64 now = steadyNowNs();
    if (readyAt <= now)
        return false;
    readyAt = now;
    return true;
}

void FramePacer::waitUntilReady() const
{
    sleepUntil(readyAt, [](unsigned long ms) { QThread::msleep(ms); });
}

void FramePacer::sleepUntil(qint64 deadlineNs, const Sleep &sleep)
{
    for (qint64 now = steadyNowNs(); now < deadlineNs; now = steadyNowNs())
        sleep(static_cast<unsigned long>(timerDelayMs(deadlineNs, now)));
}

int FramePacer::timerDelayMs(qint64 deadlineNs, qint64 nowNs)
{
    const qint64 waitNs = qMax<qint64>(0, deadlineNs - nowNs);
    return int((waitNs + nsPerMs - 1) / nsPerMs);
}
