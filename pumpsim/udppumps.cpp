#include "udppumps.h"

#include "pumpprotocol.h"

#include <QRandomGenerator>
#include <QUdpSocket>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

namespace {

constexpr int junkMaximumLength = 64;

// A thousand pumps need a thousand sockets; the soft limit on open files is
// often just above that, so take what the hard limit allows. (Windows sets no
// such limit on sockets.)
void raiseOpenFileLimit()
{
#ifndef Q_OS_WIN
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max)
        return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
#endif
}

} // namespace

UdpPumps::UdpPumps(QObject *parent)
    : QObject(parent)
{
    raiseOpenFileLimit();
}

QUdpSocket *UdpPumps::boundSocket(int pump, const QHostAddress &address)
{
    auto *socket = new QUdpSocket(this);
    // Shared with the broadcast socket on the same port: the system hands a
    // unicast datagram to the socket bound to its exact address.
    if (!socket->bind(address, PumpProtocol::pumpPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        qWarning("pump %d: cannot bind %s:%u: %s", pump, qPrintable(address.toString()),
                 PumpProtocol::pumpPort, qPrintable(socket->errorString()));
        delete socket;
        return nullptr;
    }
    connect(socket, &QUdpSocket::readyRead, this, [this, pump]() { readPump(pump); });
    return socket;
}

bool UdpPumps::addPump(const QHostAddress &address)
{
    QUdpSocket *socket = boundSocket(int(sockets.size()), address);
    if (socket)
        sockets.push_back(socket);
    return socket != nullptr;
}

bool UdpPumps::movePump(int pump, const QHostAddress &address)
{
    QUdpSocket *socket = boundSocket(pump, address);
    if (!socket)
        return false;
    delete sockets[pump];
    sockets[pump] = socket;
    return true;
}

bool UdpPumps::listenForBroadcasts()
{
    if (broadcastSocket)
        return true;
    auto *socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress(QHostAddress::AnyIPv4), PumpProtocol::pumpPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        qWarning("cannot bind the broadcast socket on port %u: %s", PumpProtocol::pumpPort,
                 qPrintable(socket->errorString()));
        delete socket;
        return false;
    }
    broadcastSocket = socket;
    connect(socket, &QUdpSocket::readyRead, this, &UdpPumps::readBroadcasts);
    return true;
}

void UdpPumps::readPump(int pump)
{
    QUdpSocket *socket = sockets[pump];
    while (socket && socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        emit datagramReceived(pump, datagram);
        // A restart may have moved the pump meanwhile; read on from its current socket.
        socket = sockets[pump];
    }
}

void UdpPumps::readBroadcasts()
{
    while (broadcastSocket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = broadcastSocket->receiveDatagram();
        if (!datagram.isValid())
            break;
        emit datagramReceived(-1, datagram);
    }
}

void UdpPumps::send(int pump, const QHostAddress &peer, quint16 port, const QByteArray &bytes)
{
    QUdpSocket *socket = sockets[pump];
    if (socket && port != 0)
        socket->writeDatagram(bytes, peer, port);
}

void UdpPumps::floodJunk(int pump, const QHostAddress &peer, quint16 port, int count)
{
    QUdpSocket *socket = sockets[pump];
    if (!socket)
        return;
    QRandomGenerator *random = QRandomGenerator::global();
    for (int i = 0; i < count; ++i) {
        QByteArray junk(random->bounded(1, junkMaximumLength + 1), Qt::Uninitialized);
        for (char &byte : junk)
            byte = char(random->bounded(256));
        // Every fourth looks like the start of a reply, to tempt a careless parser.
        if (i % 4 == 0)
            junk[0] = PumpProtocol::stx;
        socket->writeDatagram(junk, peer, port);
    }
}
