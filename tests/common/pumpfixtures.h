#ifndef PUMPFIXTURES_H
#define PUMPFIXTURES_H

#include "simulatedpumps.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTimer>
#include <QVector>

// A standard pump whose IPv4 setting is its own address: writing back what it
// reports moves nothing, and the window's re-read after the restart stays on loopback.
inline SimulatedPumpConfig loopbackPump(int number = 0)
{
    SimulatedPumpConfig pump = standardPump(number);
    pump.settings.insert("NIP", pump.address.toString().toLatin1());
    return pump;
}

// The identity text a simulated pump states (its default form), as the window
// receives it: replies are upper-cased on the way in.
inline QString identityText(const SimulatedPumpConfig &pump)
{
    return (pump.name + QStringLiteral(" @ ") + pump.address.toString() + QStringLiteral(" FW 2.4"))
        .toUpper();
}

// Gaps between consecutive frames, in milliseconds.
inline QVector<double> gapsMs(const QVector<ReceivedFrame> &frames)
{
    QVector<double> gaps;
    for (int i = 1; i < frames.size(); ++i)
        gaps.append((frames.at(i).steadyNs - frames.at(i - 1).steadyNs) / 1e6);
    return gaps;
}

// The pump stamps a frame when its thread gets to it. With tests running side by side
// on a busy machine one stamp can come several ms late, which shortens the gap after it
// by as much though the frames left 100 ms apart. So a single gap may fall short of
// the pause by that margin, while the whole span may only lose it once: a missing
// pause fails the first check, a shorter one the second.
constexpr double stampLatenessMarginMs = 20.0;

// Empty when the frames reached their pump at least the pause apart; else what was short.
inline QString pacingFault(const QVector<ReceivedFrame> &frames)
{
    if (frames.size() < 2)
        return QString();
    const QVector<double> gaps = gapsMs(frames);
    for (const double gap : gaps) {
        if (gap < 99.0 - stampLatenessMarginMs)
            return QStringLiteral("gap of %1 ms").arg(gap);
    }
    const double spanMs = (frames.last().steadyNs - frames.first().steadyNs) / 1e6;
    const double averageMs = spanMs / gaps.size();
    if (spanMs < 99.0 * gaps.size() - stampLatenessMarginMs)
        return QStringLiteral("frames %1 ms apart on average").arg(averageMs);
    return QString();
}

inline QList<QByteArray> frameBytes(const QVector<ReceivedFrame> &frames)
{
    QList<QByteArray> bytes;
    for (const ReceivedFrame &frame : frames)
        bytes.append(frame.bytes);
    return bytes;
}

#endif // PUMPFIXTURES_H
