#include "fleettransport.h"

#include "pumpdatagrams.h"
#include "pumpserialline.h"

#include <QNetworkDatagram>

FleetUdpTransport::FleetUdpTransport(QObject *parent)
    : QObject(parent)
{
    connect(&socket, &QUdpSocket::readyRead, this, &FleetUdpTransport::readDatagrams);
    connect(&adapters, &AdapterSearch::datagramReceived, this,
            [this](const QNetworkDatagram &datagram, const PumpAdapter &adapter) {
                emit datagramReceived(datagram.senderAddress(), datagram.data(), adapter.name);
            });
}

bool FleetUdpTransport::open()
{
    if (socket.state() == QAbstractSocket::BoundState)
        return true;
    return PumpDatagrams::bindForPumps(socket);
}

bool FleetUdpTransport::send(const QHostAddress &pump, const QString &adapterName,
                             const QByteArray &frame)
{
    QUdpSocket *through = adapterName.isEmpty() ? &socket : adapters.socketFor(adapterName);
    if (!through) {
        error = QStringLiteral("adapter %1 cannot be used").arg(adapterName);
        return false;
    }
    error.clear();
    return through->writeDatagram(frame, pump, PumpProtocol::pumpPort) == frame.size();
}

void FleetUdpTransport::broadcastIdentityQuery() { adapters.search(socket); }

bool FleetUdpTransport::isFirstAnswer(const QHostAddress &sender, const QByteArray &answer,
                                      const QString &adapterName)
{
    return adapters.isFirstAnswer(sender, answer, adapterName);
}

void FleetUdpTransport::readDatagrams()
{
    // An answer to the untied socket's broadcast names the adapter it came in on, so
    // that the pump is reached through it from then on; loopback names none.
    PumpDatagrams::drain(socket, [this](const QNetworkDatagram &datagram) {
        emit datagramReceived(datagram.senderAddress(), datagram.data(),
                              adapters.adapterOf(datagram).name);
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
