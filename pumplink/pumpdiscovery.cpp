#include "pumpdiscovery.h"

#include "pumpprotocol.h"

#include <QNetworkInterface>
#include <QSet>
#include <QUdpSocket>

namespace PumpDiscovery {

void broadcastIdentityQuery(QUdpSocket &socket)
{
    const QByteArray query = PumpProtocol::identityQueryFrame();
    socket.writeDatagram(query, QHostAddress(QHostAddress::Broadcast), PumpProtocol::pumpPort);

    // The limited broadcast leaves through the one adapter the routing table picks;
    // pumps on every other adapter hear the query through its directed broadcast.
    QSet<quint32> sent;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::CanBroadcast)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress broadcast = entry.broadcast();
            if (broadcast.protocol() != QAbstractSocket::IPv4Protocol
                || broadcast == QHostAddress(QHostAddress::Broadcast)
                || sent.contains(broadcast.toIPv4Address()))
                continue;
            sent.insert(broadcast.toIPv4Address());
            socket.writeDatagram(query, broadcast, PumpProtocol::pumpPort);
        }
    }
}

} // namespace PumpDiscovery
