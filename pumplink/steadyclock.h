#ifndef STEADYCLOCK_H
#define STEADYCLOCK_H

#include <QtGlobal>

#include <chrono>

// The one clock of the pump links and the simulator: frames are paced on it, and the
// simulator stamps every frame it receives with it, so a test compares the moments a
// frame left and arrived on the same scale. It never jumps with the wall clock.
inline qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

#endif // STEADYCLOCK_H
