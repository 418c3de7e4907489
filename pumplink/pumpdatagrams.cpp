#include "pumpdatagrams.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QVariant>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#endif

namespace PumpDatagrams {

namespace {

// Ten thousand pumps answering one broadcast at the same moment: each small datagram
// costs the system about a kilobyte of buffer.
constexpr int receiveBufferBytes = 32 * 1024 * 1024;

constexpr int datagramsPerNotification = 64;

} // namespace

bool bindForPumps(QUdpSocket &socket)
{
    if (!socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0))
        return false;
    enlargeReceiveBuffer(socket);
    return true;
}

void enlargeReceiveBuffer(QUdpSocket &socket)
{
    // The system caps a plain request at its configured maximum; where the process may
    // administer the network, it takes the whole size regardless.
#ifdef Q_OS_LINUX
    const int bytes = receiveBufferBytes;
    if (setsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes)
        == 0)
        return;
#endif
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBufferBytes);
}

void drain(QUdpSocket &socket, const std::function<void(const QNetworkDatagram &)> &take)
{
    for (int handled = 0; handled < datagramsPerNotification && socket.hasPendingDatagrams();
         ++handled) {
        const QNetworkDatagram datagram = socket.receiveDatagram();
        if (datagram.isValid())
            take(datagram);
    }
}

} // namespace PumpDatagrams
