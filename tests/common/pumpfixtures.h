#ifndef PUMPFIXTURES_H
#define PUMPFIXTURES_H

#include "pumpsimulator.h"
#include "pumpsimulatorthread.h"

#include <QByteArray>
#include <QHostAddress>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

// A pump as the tests meet it: a 17-character name, an address on loopback and a
// full set of network settings, answered in the pump's own mixed case.
inline SimulatedPumpConfig standardPump(int number = 0)
{
    SimulatedPumpConfig pump;
    pump.name = QStringLiteral("PUMP-%1-AB12CD3").arg(number + 1, 4, 10, QLatin1Char('0'));
    // 127.0.0.2 onwards, spilling into 127.0.1.x and beyond for large fleets.
    pump.address
        = QHostAddress(QHostAddress(QStringLiteral("127.0.0.2")).toIPv4Address() + quint32(number));
    pump.settings = {
        { "NAM", "Static" },   { "NIP", "10.1.2.3" },  { "NSM", "255.255.0.0" },
        { "NDG", "10.1.0.1" }, { "ND1", "10.1.0.53" }, { "ND2", "10.1.0.54" },
        { "NTT", "30" },       { "NUH", "-03" },       { "NUM", "30" },
        { "NCM", "on" },       { "NBT", "Off" },       { "NTN", "ON" },
        { "NPA", "126" },
    };
    return pump;
}

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

// A simulator on its own thread holding `pumps`, pump i under number i. Null when a
// pump did not get its number.
inline std::unique_ptr<PumpSimulatorThread>
startSimulator(const QVector<SimulatedPumpConfig> &pumps)
{
    auto sim = std::make_unique<PumpSimulatorThread>();
    for (int i = 0; i < pumps.size(); ++i) {
        if (sim->addPump(pumps.at(i)) != i)
            return nullptr;
    }
    return sim;
}

// Runs `action` on the simulator's own thread `delayMs` from now, so the test thread
// never waits for it.
inline void onSimulatorAfter(PumpSimulatorThread &sim, int delayMs,
                             const std::function<void(PumpSimulator &)> &action)
{
    sim.call([delayMs, action](PumpSimulator &simulator) {
        QTimer::singleShot(delayMs, Qt::PreciseTimer, &simulator,
                           [&simulator, action] { action(simulator); });
    });
}

// Has pump 0 flood the tool's socket on 127.0.0.1:`toolPort` with 20,000 junk
// datagrams, starting at once on the simulator's thread.
inline void floodToolWithJunk(PumpSimulatorThread &sim, quint16 toolPort)
{
    onSimulatorAfter(sim, 0, [toolPort](PumpSimulator &simulator) {
        simulator.floodJunk(0, QHostAddress(QStringLiteral("127.0.0.1")), toolPort, 20000);
    });
}

#endif // PUMPFIXTURES_H
