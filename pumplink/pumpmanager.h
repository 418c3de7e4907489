#ifndef PUMPMANAGER_H
#define PUMPMANAGER_H

#include "adapterrefusals.h"
#include "adaptersearch.h"
#include "pumpadapter.h"
#include "pumpmodel.h"
#include "pumpprotocol.h"

#include <QObject>
#include <QSerialPort>
#include <QThread>
#include <QUdpSocket>
#include <string>

// The connection name of the Ethernet transport; any other name is a serial port.
inline const QString ethernetConnectionName = QStringLiteral("ETHERNET");

// How a platform names its serial ports decides which ones are offered.
enum class SerialPortNaming { Windows, Other };

// The one object through which a window talks to pumps. It owns both transports
// and the thread that paces Ethernet sequences, and answers only through signals.
// Its signals and slots, in their order, are the windows' fixed interface; that is
// why serialPortReady, socketBytesWritten, writeSerialData and serialBytesWritten
// stay, although nothing emits, connects or calls them.
class PumpManager : public QObject
{
    Q_OBJECT

public:
    explicit PumpManager(QObject *parent = nullptr);
    ~PumpManager() override;

    void scanSerialPorts();
    void setConnection(QString connection);
    bool openSerialPort(QString portName);
    void closeSerialPort();
    // Through `adapter` when given: the pump is reached through the adapter it answered
    // on, even at an address outside that adapter's network.
    void connectToPump(QString address, const PumpAdapter &adapter = PumpAdapter());
    void searchPumps();
    void getPumpSettings(QString port);
    // False when the settings could not be delivered: the serial port was not open,
    // or was lost before the save frame had left.
    bool setPumpSettings(PUMP_MODEL_T pump);

    // On Windows only "COM" ports are serial ports a pump hangs on; elsewhere the
    // system lists serial devices only, so every one of them is offered.
    static bool offersSerialPort(const QString &portName,
                                 SerialPortNaming naming = nativeSerialPortNaming());
    static SerialPortNaming nativeSerialPortNaming();

    // The adapter the pump that sent `identity` answered the last search on; null for
    // loopback or a serial line.
    PumpAdapter adapterOf(const QString &identity) const { return answeredOn.value(identity); }
    // Tells when the system refuses to reach a pump through its adapter.
    const AdapterRefusals *adapterRefusals() const { return &refusals; }

signals:
    void idAvailable(QString);
#if PUMP_PROGRAM != PUMP_KEY_TOOL
    void amAvailable(QString);
    void ipAvailable(QString);
    void smAvailable(QString);
    void dgAvailable(QString);
    void dns1Available(QString);
    void dns2Available(QString);
#endif
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
    void ttAvailable(QString);
    void uhAvailable(QString);
    void umAvailable(QString);
    void cmAvailable(QString);
    void btAvailable(QString);
    void tnAvailable(QString);
    void paAvailable(QString);
#endif
    void serialPortFound(QString);
    void serialPortReady();
    void startGetWorker(QUdpSocket *);
    void startSetWorker(QUdpSocket *, PUMP_MODEL_T);
    // The port named could not be opened; `reason` is the system's word for why.
    void serialPortOpenFailed(QString portName, QSerialPort::SerialPortError error, QString reason);

private slots:
    void socketConnected();
    void socketDisconnected();
    void socketBytesWritten(qint64);
    void readSocketDatagrams();
    void writeSerialData(QByteArray data);
    void readSerialData();
    void handleError(QSerialPort::SerialPortError error);
    void serialBytesWritten(qint64 bytes);
    void on_setWorker_finished();

private:
    // Takes one reply as it came, a datagram or a line cut from the serial stream.
    void parsePumpResponse(std::string response);
    void closeSocket();
    void broadcastIdentityQuery();
    bool sendSerialSequence(const QVector<QByteArray> &frames);
    void takeAdapterDatagram(const QNetworkDatagram &datagram, const PumpAdapter &adapter);
    bool isRepeatedAnswer(const QNetworkDatagram &datagram, const PumpAdapter &adapter);

    QUdpSocket udpSocket;
    QSerialPort serialPort;
    QThread workerThread;
    QString connectionName;
    bool ignoreReplies;
    SerialReplyFramer serialFramer;
    AdapterSearch adapterSearch;
    QHash<QString, PumpAdapter> answeredOn;
    AdapterRefusals refusals;
};

#endif // PUMPMANAGER_H
