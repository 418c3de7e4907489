#ifndef FLEETTRANSPORT_H
#define FLEETTRANSPORT_H

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QUdpSocket>

#include "adaptersearch.h"
#include "pumpprotocol.h"

// The two ways FleetLink reaches pumps. Each only moves frames and replies; pacing,
// routing and sequences are FleetLink's.

// One UDP socket for every pump the routing table reaches, and one tied to each
// adapter a pump answered on: a frame is one datagram to the pump's command port,
// and every datagram that comes back is handed on with its sender and the adapter it
// came in on (empty: the untied socket).
class FleetUdpTransport : public QObject
{
    Q_OBJECT

public:
    explicit FleetUdpTransport(QObject *parent = nullptr);

    bool open();
    QString errorString() const { return error.isEmpty() ? socket.errorString() : error; }
    quint16 localPort() const { return socket.localPort(); }
    // Searches through `adapter` alone (its system name), reads and writes too.
    void restrictTo(const PumpAdapter &adapter) { adapters.restrictTo(adapter); }

    // False when the system did not take the datagram. `adapterName` empty: through
    // the untied socket, wherever the routing table leads.
    bool send(const QHostAddress &pump, const QString &adapterName, const QByteArray &frame);
    void broadcastIdentityQuery();
    // The adapter an identity answer came in on, or null; false for the same pump
    // heard again through another adapter's query.
    bool isFirstAnswer(const QHostAddress &sender, const QByteArray &answer,
                       const QString &adapterName);

signals:
    void datagramReceived(const QHostAddress &sender, const QByteArray &data,
                          const QString &adapterName);

private:
    void readDatagrams();

    QUdpSocket socket;
    AdapterSearch adapters;
    QString error;
};

// One pump on a serial line: the byte stream is cut into replies by the framer.
class FleetSerialTransport : public QObject
{
    Q_OBJECT

public:
    explicit FleetSerialTransport(QObject *parent = nullptr);

    bool open(const QString &portName);
    QString errorString() const { return port.errorString(); }
    QString portName() const { return name; }
    bool isOpen() const { return port.isOpen(); }

    // Hands the frame to the system at once, so it leaves even if the port closes next.
    bool send(const QByteArray &frame);

signals:
    void replyReceived(const QByteArray &line);
    // The device failed (unplugged, its other end closed); the port is closed.
    void lost(const QString &reason);

private:
    void readReplies();
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort port;
    QString name;
    SerialReplyFramer framer;
};

#endif // FLEETTRANSPORT_H
