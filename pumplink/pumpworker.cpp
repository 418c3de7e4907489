#include "pumpworker.h"

#include "commandset.h"
#include "pumplog.h"
#include "pumpprotocol.h"

#include <QThread>
#include <QUdpSocket>

namespace {

constexpr unsigned long framePauseMs = PumpProtocol::framePauseMs;

// QUdpSocket may only be used on its own thread. The frame is handed over there
// and the worker waits until it has left, from the very socket that receives the
// replies; the pause to the next frame then counts from the moment this one left,
// however busy the window's thread was. A manager being destroyed keeps delivering
// these hand-overs while it waits for the worker, so the wait cannot deadlock.
void sendFrame(QUdpSocket *socket, const QByteArray &frame)
{
    if (!socket)
        return;
    QMetaObject::invokeMethod(
        socket,
        [socket, &frame] {
            if (socket->state() == QAbstractSocket::ConnectedState)
                socket->write(frame);
        },
        Qt::BlockingQueuedConnection);
}

// Asked on the socket's own thread, like every other use of the socket.
bool isConnected(QUdpSocket *socket)
{
    bool connected = false;
    QMetaObject::invokeMethod(
        socket,
        [socket, &connected] { connected = socket->state() == QAbstractSocket::ConnectedState; },
        Qt::BlockingQueuedConnection);
    return connected;
}

} // namespace

PumpWorker::PumpWorker(QObject *parent)
    : QObject(parent)
{ }

void PumpWorker::getWorker(QUdpSocket *socket)
{
    managerLog("getWorker");
    // A read that can reach no pump would only pause, holding up whatever is queued
    // behind it (a write, the next read).
    if (!socket || !isConnected(socket))
        return;
    const QVector<QByteArray> frames = CommandSet::queryFrames();
    for (int i = 0; i < frames.size(); ++i) {
        if (i > 0)
            QThread::msleep(framePauseMs);
        sendFrame(socket, frames.at(i));
    }
    if (!frames.isEmpty() && CommandSet::pausesAfterLastQuery())
        QThread::msleep(framePauseMs);
}

void PumpWorker::setWorker(QUdpSocket *socket, PUMP_MODEL_T pump)
{
    managerLog("setWorker");
    const QVector<QByteArray> frames = CommandSet::writeFrames(pump);
    for (int i = 0; i < frames.size(); ++i) {
        sendFrame(socket, frames.at(i));
        // The save frame is last and needs no pause: the pump restarts on it.
        if (i + 1 < frames.size())
            QThread::msleep(framePauseMs);
    }
    emit setWorkerFinished();
}
