#include "simulatedpumps.h"

#include <QHostAddress>
#include <QTimer>

SimulatedPumpConfig standardPump(int number)
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

std::unique_ptr<PumpSimulatorThread> startSimulator(const QVector<SimulatedPumpConfig> &pumps)
{
    auto sim = std::make_unique<PumpSimulatorThread>();
    for (int i = 0; i < pumps.size(); ++i) {
        if (sim->addPump(pumps.at(i)) != i)
            return nullptr;
    }
    return sim;
}

void onSimulatorAfter(PumpSimulatorThread &sim, int delayMs,
                      const std::function<void(PumpSimulator &)> &action)
{
    sim.call([delayMs, action](PumpSimulator &simulator) {
        QTimer::singleShot(delayMs, Qt::PreciseTimer, &simulator,
                           [&simulator, action] { action(simulator); });
    });
}

void floodToolWithJunk(PumpSimulatorThread &sim, quint16 toolPort)
{
    onSimulatorAfter(sim, 0, [toolPort](PumpSimulator &simulator) {
        simulator.floodJunk(0, QHostAddress(QStringLiteral("127.0.0.1")), toolPort, 20000);
    });
}
