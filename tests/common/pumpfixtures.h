#ifndef PUMPFIXTURES_H
#define PUMPFIXTURES_H

#include "pumpsimulator.h"

#include <QByteArray>
#include <QVector>

// A pump as the tests meet it: a 17-character name, an address on loopback and a
// full set of network settings, answered in the pump's own mixed case.
inline SimulatedPumpConfig standardPump(int number = 0)
{
    SimulatedPumpConfig pump;
    pump.name = QStringLiteral("PUMP-%1-AB12CD3").arg(number + 1, 4, 10, QLatin1Char('0'));
    pump.address = QHostAddress(QStringLiteral("127.0.0.%1").arg(number + 2));
    pump.settings = {
        { "NAM", "Static" },     { "NIP", "10.1.2.3" },    { "NSM", "255.255.0.0" },
        { "NDG", "10.1.0.1" },   { "ND1", "10.1.0.53" },   { "ND2", "10.1.0.54" },
        { "NTT", "30" },         { "NUH", "-03" },         { "NUM", "30" },
        { "NCM", "on" },         { "NBT", "Off" },         { "NTN", "ON" },
        { "NPA", "126" },
    };
    return pump;
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
