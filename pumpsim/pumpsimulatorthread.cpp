#include "pumpsimulatorthread.h"

PumpSimulatorThread::PumpSimulatorThread(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<ReceivedFrame>();
    thread.setObjectName(QStringLiteral("pump-simulator"));
    anchor = new QObject;
    anchor->moveToThread(&thread);
    // Deleted on its own thread as that thread finishes.
    connect(&thread, &QThread::finished, anchor, &QObject::deleteLater);
    thread.start();
    call([](PumpSimulator &) {});
}

PumpSimulatorThread::~PumpSimulatorThread()
{
    QMetaObject::invokeMethod(
        anchor,
        [this]() {
            delete simulator;
            simulator = nullptr;
        },
        Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

void PumpSimulatorThread::call(const std::function<void(PumpSimulator &)> &work)
{
    QMetaObject::invokeMethod(
        anchor,
        [this, &work]() {
            // Created on first use, so that it and all its sockets live on `thread`.
            if (!simulator) {
                simulator = new PumpSimulator;
                connect(simulator, &PumpSimulator::frameReceived, this,
                        &PumpSimulatorThread::frameReceived);
            }
            work(*simulator);
        },
        Qt::BlockingQueuedConnection);
}

int PumpSimulatorThread::addPump(const SimulatedPumpConfig &config)
{
    int pump = -1;
    call([&](PumpSimulator &sim) { pump = sim.addPump(config); });
    return pump;
}

int PumpSimulatorThread::pumpCount()
{
    int count = 0;
    call([&](PumpSimulator &sim) { count = sim.pumpCount(); });
    return count;
}

bool PumpSimulatorThread::listenForBroadcasts()
{
    bool listening = false;
    call([&](PumpSimulator &sim) { listening = sim.listenForBroadcasts(); });
    return listening;
}

QString PumpSimulatorThread::openSerialLine(int pump)
{
    QString path;
    call([&](PumpSimulator &sim) { path = sim.openSerialLine(pump); });
    return path;
}

void PumpSimulatorThread::closeSerialLine()
{
    call([](PumpSimulator &sim) { sim.closeSerialLine(); });
}

void PumpSimulatorThread::setFault(int pump, PumpFault fault)
{
    call([&](PumpSimulator &sim) { sim.setFault(pump, fault); });
}

void PumpSimulatorThread::setRestartMs(int ms)
{
    call([&](PumpSimulator &sim) { sim.setRestartMs(ms); });
}

void PumpSimulatorThread::setReplyDelayMs(int ms)
{
    call([&](PumpSimulator &sim) { sim.setReplyDelayMs(ms); });
}

void PumpSimulatorThread::setLoss(double percent, quint32 seed)
{
    call([&](PumpSimulator &sim) { sim.setLoss(percent, seed); });
}

QMap<QByteArray, QByteArray> PumpSimulatorThread::settings(int pump)
{
    QMap<QByteArray, QByteArray> values;
    call([&](PumpSimulator &sim) { values = sim.settings(pump); });
    return values;
}

QHostAddress PumpSimulatorThread::address(int pump)
{
    QHostAddress result;
    call([&](PumpSimulator &sim) { result = sim.address(pump); });
    return result;
}

QVector<ReceivedFrame> PumpSimulatorThread::frames()
{
    QVector<ReceivedFrame> result;
    call([&](PumpSimulator &sim) { result = sim.frames(); });
    return result;
}

QByteArray PumpSimulatorThread::serialBytes()
{
    QByteArray result;
    call([&](PumpSimulator &sim) { result = sim.serialBytes(); });
    return result;
}

void PumpSimulatorThread::clearFrames()
{
    call([](PumpSimulator &sim) { sim.clearFrames(); });
}

void PumpSimulatorThread::floodJunk(int pump, const QHostAddress &peer, quint16 port, int count)
{
    call([&](PumpSimulator &sim) { sim.floodJunk(pump, peer, port, count); });
}
