#include "adapterbinding.h"

#include "pumpprotocol.h"

#include <QUdpSocket>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#elif defined(Q_OS_WIN)
#include <winsock2.h>
#include <ws2tcpip.h>
#endif

namespace AdapterBinding {

namespace {

bool tieToDevice(QUdpSocket &socket, const PumpAdapter &adapter, QString *error)
{
#if defined(Q_OS_LINUX)
    const QByteArray device = adapter.name.toLocal8Bit();
    if (setsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_BINDTODEVICE, device.constData(),
                   socklen_t(device.size()))
        == 0)
        return true;
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
#elif defined(Q_OS_WIN)
    // The index goes in network byte order for IPv4.
    const DWORD index = htonl(DWORD(adapter.index));
    if (setsockopt(SOCKET(socket.socketDescriptor()), IPPROTO_IP, IP_UNICAST_IF,
                   reinterpret_cast<const char *>(&index), sizeof index)
        == 0)
        return true;
    // Bound to the adapter's own address, the socket still sends its broadcasts and
    // answers to pumps in the adapter's network through it; only a pump outside that
    // network is then reached wherever the routing table leads. (Wine refuses the
    // option on a socket bound to an address and ties the socket by its address itself.)
    Q_UNUSED(error)
    return true;
#else
    Q_UNUSED(socket)
    Q_UNUSED(adapter)
    Q_UNUSED(error)
    return true;
#endif
}

} // namespace

bool tie(QUdpSocket &socket, const PumpAdapter &adapter, QString *error)
{
#if defined(Q_OS_LINUX)
    // Tied to the device, the socket takes any address: pumps answer to whatever
    // source the system gives it there.
    const QHostAddress local(QHostAddress::AnyIPv4);
#else
    // Elsewhere the adapter's own address picks it for the limited broadcast.
    const QHostAddress local = adapter.address;
#endif
    if (!socket.bind(local, 0)) {
        *error = socket.errorString();
        return false;
    }
    if (tieToDevice(socket, adapter, error))
        return true;
    socket.close();
    return false;
}

QString refusal(const PumpAdapter &adapter)
{
    QUdpSocket probe;
    QString error;
    if (tie(probe, adapter, &error))
        return QString();
#if defined(Q_OS_LINUX)
    const QString allows = QStringLiteral("Linux 5.7 or later allows it to any user");
#else
    const QString allows = QStringLiteral("a Windows that lets a program choose the adapter "
                                          "allows it");
#endif
    return QStringLiteral("the system refuses to send through %1 alone (%2; %3)")
        .arg(adapter.displayName, error, allows);
}

PumpAdapter limitedBroadcastAdapter(const QVector<PumpAdapter> &adapters)
{
    // Connecting a UDP socket sends nothing; it only makes the system pick the route,
    // and with it the source address, that a datagram there would take.
    QUdpSocket probe;
    probe.connectToHost(QHostAddress(QHostAddress::Broadcast), PumpProtocol::pumpPort);
    if (probe.state() != QAbstractSocket::ConnectedState)
        return PumpAdapter();
    const QHostAddress source = probe.localAddress();
    for (const PumpAdapter &adapter : adapters) {
        if (adapter.address.isEqual(source, QHostAddress::TolerantConversion))
            return adapter;
    }
    return PumpAdapter();
}

} // namespace AdapterBinding
