#ifndef STEADYCLOCK_H
#define STEADYCLOCK_H

#include <QtGlobal>

#include <chrono>

// The clock every received frame is stamped with; whoever compares their own
// moments with a frame's arrival reads the same one.
inline qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

#endif // STEADYCLOCK_H
