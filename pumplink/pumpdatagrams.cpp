#include "pumpdatagrams.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace PumpDatagrams {

namespace {

constexpr int receiveBufferBytes = 4 * 1024 * 1024;

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
