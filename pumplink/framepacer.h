#ifndef FRAMEPACER_H
#define FRAMEPACER_H

#include <QtGlobal>

#include <functional>

// The one pacing rule of every pump link: the next frame to a pump leaves no sooner
// than a deadline on the steady clock, set when the frame before it left. A wait for
// the deadline is never trusted to be long enough: a timer or a sleep that comes back
// early (on Windows a sleep may return a clock tick early) is checked against the
// deadline and waited out again, so two frames never leave less than the pause apart.
class FramePacer
{
public:
    static constexpr qint64 nsPerMs = 1000000;

    // The frame just left: the next may leave `pauseNs` from now.
    void frameLeft(qint64 pauseNs);
    // The pump answered, and may take its next frame at once; false when its deadline
    // had already passed and nothing changed.
    bool answered();
    qint64 readyAtNs() const { return readyAt; }

    // Blocks the calling thread until the next frame may leave. Only for a thread
    // that does nothing but pace (the windows' worker).
    void waitUntilReady() const;

    // Sleeps for at least the given milliseconds, as QThread::msleep would.
    using Sleep = std::function<void(unsigned long ms)>;
    // Blocks until the steady clock has reached `deadlineNs`, asking `sleep` again for
    // whatever is left each time it returns.
    static void sleepUntil(qint64 deadlineNs, const Sleep &sleep);
    // Whole milliseconds for a timer to reach `deadlineNs`, rounded up: a frame may
    // leave a little late, never early.
    static int timerDelayMs(qint64 deadlineNs, qint64 nowNs);

private:
    qint64 readyAt = 0;
};

#endif // FRAMEPACER_H
