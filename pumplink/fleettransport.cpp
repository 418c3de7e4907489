#include "fleettransport.h"

#include "pumpdatagrams.h"
#include "pumpdiscovery.h"
#include "pumpserialline.h"

#include <QNetworkDatagram>

FleetUdpTransport::FleetUdpTransport(QObject *parent)
    : QObject(parent)
{
    connect(&socket, &QUdpSocket::readyRead, this, &FleetUdpTransport::readDatagrams);
}

bool FleetUdpTransport::open()
{
    if (socket.state() == QAbstractSocket::BoundState)
        return true;
    return PumpDatagrams::bindForPumps(socket);
}

bool FleetUdpTransport::send(const QHostAddress &pump, const QByteArray &frame)
{
    return socket.writeDatagram(frame, pump, PumpProtocol::pumpPort) == frame.size();
}

void FleetUdpTransport::broadcastIdentityQuery() { PumpDiscovery::broadcastIdentityQuery(socket); }

void FleetUdpTransport::readDatagrams()
{
    PumpDatagrams::drain(socket, [this](const QNetworkDatagram &datagram) {
        emit datagramReceived(datagram.senderAddress(), datagram.data());
    });
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
    if (!PumpSerialLine::isDeviceFailure(error) || !port.isOpen())
        return;
    const QString reason = port.errorString();
    port.close();
    framer.clear();
    emit lost(reason);
}
