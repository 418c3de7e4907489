#include "fleettransport.h"

#include "pumpdiscovery.h"
#include "pumpserialline.h"

#include <QNetworkDatagram>
#include <QVariant>

namespace {

// A thousand pumps answering one broadcast, or a read step, at the same moment.
constexpr int socketReceiveBufferBytes = 4 * 1024 * 1024;

// A flood must not hold the event loop and with it every pump's pacing: only this
// many datagrams are taken per notification; the rest notify again next turn.
constexpr int datagramsPerNotification = 256;

} // namespace

FleetUdpTransport::FleetUdpTransport(QObject *parent)
    : QObject(parent)
{
    connect(&socket, &QUdpSocket::readyRead, this, &FleetUdpTransport::readDatagrams);
}

bool FleetUdpTransport::open()
{
    if (socket.state() == QAbstractSocket::BoundState)
        return true;
    if (!socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0))
        return false;
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                           socketReceiveBufferBytes);
    return true;
}

bool FleetUdpTransport::send(const QHostAddress &pump, const QByteArray &frame)
{
    return socket.writeDatagram(frame, pump, PumpProtocol::pumpPort) == frame.size();
}

void FleetUdpTransport::broadcastIdentityQuery() { PumpDiscovery::broadcastIdentityQuery(socket); }

void FleetUdpTransport::readDatagrams()
{
    int handled = 0;
    while (socket.hasPendingDatagrams() && handled < datagramsPerNotification) {
        const QNetworkDatagram datagram = socket.receiveDatagram();
        ++handled;
        if (datagram.isValid())
            emit datagramReceived(datagram.senderAddress(), datagram.data());
    }
}

FleetSerialTransport::FleetSerialTransport(QObject *parent)
    : QObject(parent)
{
    connect(&port, &QSerialPort::readyRead, this, &FleetSerialTransport::readReplies);
    connect(&port, &QSerialPort::errorOccurred, this, &FleetSerialTransport::handleError);
}

bool FleetSerialTransport::open(const QString &portName)
{
    name = portName;
    PumpSerialLine::configure(port, portName);
    return port.open(QIODevice::ReadWrite);
}

bool FleetSerialTransport::send(const QByteArray &frame)
{
    if (!port.isOpen() || port.write(frame) != frame.size())
        return false;
    port.flush();
    return true;
}

void FleetSerialTransport::readReplies()
{
    const QVector<QByteArray> replies = framer.feed(port.readAll());
    for (const QByteArray &reply : replies)
        emit replyReceived(reply);
}

void FleetSerialTransport::handleError(QSerialPort::SerialPortError error)
{
    // A device that fails to read or write is gone and would fail again on every
    // turn of the event loop: it is closed once and reported once.
    const bool deviceFailed = error == QSerialPort::ResourceError || error == QSerialPort::ReadError
        || error == QSerialPort::WriteError;
    if (!deviceFailed || !port.isOpen())
        return;
    const QString reason = port.errorString();
    port.close();
    framer.clear();
    emit lost(reason);
}
