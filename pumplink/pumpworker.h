#ifndef PUMPWORKER_H
#define PUMPWORKER_H

#include "pumpmodel.h"

#include <QObject>

class QUdpSocket;

// Paces the Ethernet sequences on a thread of its own, so the window's thread does
// not sleep through their 100 ms pauses between frames. The serial sequences do not
// come here: the manager runs them on the window's thread, which blocks up to 200 ms
// per frame (100 to write it, 100 for the answer), so a serial read of thirteen
// settings holds the window for up to 2.6 s. The worker keeps no state and never
// touches the socket directly: each frame is handed to the socket's thread.
class PumpWorker : public QObject
{
    Q_OBJECT

public:
    explicit PumpWorker(QObject *parent = nullptr);

signals:
    void setWorkerFinished();

public slots:
    void getWorker(QUdpSocket *socket);
    void setWorker(QUdpSocket *socket, PUMP_MODEL_T pump);
};

#endif // PUMPWORKER_H
