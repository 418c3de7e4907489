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

inline QList<QByteArray> frameBytes(const QVector<ReceivedFrame> &frames)
{
    QList<QByteArray> bytes;
    for (const ReceivedFrame &frame : frames)
        bytes.append(frame.bytes);
    return bytes;
}

#endif // PUMPFIXTURES_H
