#ifndef PUMPSTATE_H
#define PUMPSTATE_H

#include "pumpprotocol.h"
#include "pumpsimulator.h"

#include <QByteArray>
#include <QHostAddress>
#include <QMap>

// One simulated pump's own memory, as its firmware keeps it: the settings it
// reports, what set frames left pending until a save, and the restart a save
// starts. It decides answers only; sockets and the serial line are elsewhere.
class PumpState
{
public:
    explicit PumpState(const SimulatedPumpConfig &config);

    const SimulatedPumpConfig &config() const { return pumpConfig; }
    PumpFault fault() const { return pumpFault; }
    void setFault(PumpFault fault) { pumpFault = fault; }
    bool isRestarting() const { return restarting; }

    // The value the pump answers `command` with; false when it answers nothing (a
    // query for a setting it does not have). A set is acknowledged with its own
    // value and kept pending until the save.
    bool answerFor(const PumpProtocol::Command &command, QByteArray *value);

    // Stores what is pending and stays deaf until finishRestart().
    void save();
    // Wakes the pump; returns the loopback address a saved static assignment asks
    // it to move to, or a null address when it stays where it is.
    QHostAddress finishRestart();
    void moveTo(const QHostAddress &address) { pumpConfig.address = address; }

private:
    QByteArray identity() const;

    SimulatedPumpConfig pumpConfig;
    PumpFault pumpFault = PumpFault::None;
    QMap<QByteArray, QByteArray> pending;
    bool restarting = false;
};

#endif // PUMPSTATE_H
