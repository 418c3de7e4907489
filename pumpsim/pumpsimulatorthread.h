#ifndef PUMPSIMULATORTHREAD_H
#define PUMPSIMULATORTHREAD_H

#include "pumpsimulator.h"

#include <QObject>
#include <QThread>

#include <functional>

// A PumpSimulator on a thread of its own, for tests: the test thread may block in
// serial-port or socket waits while the pumps answer. Every call below runs on the
// simulator's thread and returns when it is done there; none may be made from
// that thread itself.
class PumpSimulatorThread : public QObject
{
    Q_OBJECT

public:
    explicit PumpSimulatorThread(QObject *parent = nullptr);
    ~PumpSimulatorThread() override;

    int addPump(const SimulatedPumpConfig &config);
    int pumpCount();
    bool listenForBroadcasts();
    QString openSerialLine(int pump);
    void closeSerialLine();
    void setFault(int pump, PumpFault fault);
    void setRestartMs(int ms);
    void setReplyDelayMs(int ms);
    void setLoss(double percent, quint32 seed = 1);
    QMap<QByteArray, QByteArray> settings(int pump);
    QHostAddress address(int pump);
    QVector<ReceivedFrame> frames();
    QByteArray serialBytes();
    void clearFrames();
    void floodJunk(int pump, const QHostAddress &peer, quint16 port, int count);

    // Runs `work` with the simulator on its own thread, for set-ups that would
    // otherwise take many round trips (a thousand pumps, say).
    void call(const std::function<void(PumpSimulator &)> &work);

signals:
    // The simulator's frameReceived, delivered on this object's thread.
    void frameReceived(ReceivedFrame frame);

private:
    QThread thread;
    QObject *anchor = nullptr; // lives on `thread`; the context of every call
    PumpSimulator *simulator = nullptr;
};

#endif // PUMPSIMULATORTHREAD_H
