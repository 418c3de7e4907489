#ifndef SIMULATEDPUMPS_H
#define SIMULATEDPUMPS_H

#include "pumpsimulator.h"
#include "pumpsimulatorthread.h"

#include <QVector>

#include <functional>
#include <memory>

// A pump as the tests and the benchmark meet it: a 17-character name, an address on
// loopback and a full set of network settings, answered in the pump's own mixed case.
SimulatedPumpConfig standardPump(int number = 0);

// A simulator on its own thread holding `pumps`, pump i under number i. Null when a
// pump did not get its number.
std::unique_ptr<PumpSimulatorThread> startSimulator(const QVector<SimulatedPumpConfig> &pumps);

// Runs `action` on the simulator's own thread `delayMs` from now, so the calling
// thread never waits for it.
void onSimulatorAfter(PumpSimulatorThread &sim, int delayMs,
                      const std::function<void(PumpSimulator &)> &action);

// Has pump 0 flood the tool's socket on 127.0.0.1:`toolPort` with 20,000 junk
// datagrams, starting at once on the simulator's thread.
void floodToolWithJunk(PumpSimulatorThread &sim, quint16 toolPort);

#endif // SIMULATEDPUMPS_H
