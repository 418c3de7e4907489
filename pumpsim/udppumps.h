#ifndef UDPPUMPS_H
#define UDPPUMPS_H

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QObject>

#include <vector>

class QUdpSocket;

// The pumps' Ethernet side: one socket per pump on its own loopback address and the
// pump port, and the wildcard socket that hears identity broadcasts. Pump i is the
// i-th socket added.
class UdpPumps : public QObject
{
    Q_OBJECT

public:
    explicit UdpPumps(QObject *parent = nullptr);

    // Binds the next pump's socket; false when the address cannot be bound.
    bool addPump(const QHostAddress &address);
    // Binds the pump anew at `address`; the old socket goes only once that worked.
    bool movePump(int pump, const QHostAddress &address);
    bool listenForBroadcasts();

    void send(int pump, const QHostAddress &peer, quint16 port, const QByteArray &bytes);
    // Sends `count` junk datagrams from the pump's socket to the given peer.
    void floodJunk(int pump, const QHostAddress &peer, quint16 port, int count);

signals:
    // Pump -1: the broadcast socket.
    void datagramReceived(int pump, const QNetworkDatagram &datagram);

private:
    QUdpSocket *boundSocket(int pump, const QHostAddress &address);
    void readPump(int pump);
    void readBroadcasts();

    std::vector<QUdpSocket *> sockets;
    QUdpSocket *broadcastSocket = nullptr;
};

#endif // UDPPUMPS_H
