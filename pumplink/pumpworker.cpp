#include "pumpworker.h"

#include "framepacer.h"
#include "programbinding.h"
#include "pumplog.h"

#include <QUdpSocket>

namespace {

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

// Sends one sequence, each frame no sooner than the pump's pause after the one
// before it, and waits out the pause after the last frame where the pump needs one.
void sendPaced(QUdpSocket *socket, const QVector<QByteArray> &frames, bool isWrite)
{
    FramePacer pacer;
    for (int i = 0; i < frames.size(); ++i) {
        pacer.waitUntilReady();
        sendFrame(socket, frames.at(i));
        pacer.frameLeft(ProgramBinding::pauseAfterFrameMs(i, frames.size(), isWrite)
                        * FramePacer::nsPerMs);
    }
    pacer.waitUntilReady();
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
    sendPaced(socket, ProgramBinding::queryFrames(), false);
}

void PumpWorker::setWorker(QUdpSocket *socket, PUMP_MODEL_T pump)
{
    managerLog("setWorker");
    sendPaced(socket, ProgramBinding::writeFrames(pump), true);
    emit setWorkerFinished();
}
