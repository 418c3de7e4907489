#ifndef PUMPWORKER_H
#define PUMPWORKER_H

#include "pumpmodel.h"

#include <QObject>

class QUdpSocket;

// Paces the Ethernet sequences on a thread of its own, so the window stays
// responsive through the 100 ms pauses between frames. It keeps no state and
// never touches the socket directly: each frame is handed to the socket's thread.
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
