#include "pumpmanager.h"

#include "adapterbinding.h"
#include "ipv4address.h"
#include "programbinding.h"
#include "pumpdatagrams.h"
#include "pumplog.h"
#include "pumpserialline.h"
#include "pumpworker.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QSerialPortInfo>

namespace {

// How often a destructor waiting for a pacing worker delivers the frames it hands over.
constexpr unsigned long workerDrainIntervalMs = 5;

} // namespace

PumpManager::PumpManager(QObject *parent)
    : QObject(parent)
    , connectionName(ethernetConnectionName)
    , ignoreReplies(false)
{
    connect(&udpSocket, &QUdpSocket::connected, this, &PumpManager::socketConnected);
    connect(&udpSocket, &QUdpSocket::disconnected, this, &PumpManager::socketDisconnected);
    connect(&udpSocket, &QUdpSocket::readyRead, this, &PumpManager::readSocketDatagrams);
    connect(&serialPort, &QSerialPort::readyRead, this, &PumpManager::readSerialData);
    connect(&serialPort, &QSerialPort::errorOccurred, this, &PumpManager::handleError);
    connect(&adapterSearch, &AdapterSearch::datagramReceived, this,
            &PumpManager::takeAdapterDatagram);

    auto *worker = new PumpWorker;
    worker->moveToThread(&workerThread);
    connect(&workerThread, &QThread::finished, worker, &QObject::deleteLater);
    if (ProgramBinding::readsSettings())
        connect(this, &PumpManager::startGetWorker, worker, &PumpWorker::getWorker);
    connect(this, &PumpManager::startSetWorker, worker, &PumpWorker::setWorker);
    connect(worker, &PumpWorker::setWorkerFinished, this, &PumpManager::on_setWorker_finished);
    workerThread.start(QThread::InheritPriority);
}

PumpManager::~PumpManager()
{
    closeSerialPort();
    workerThread.quit();
    // A sequence still pacing hands its frames to the socket on this thread and
    // waits for each to leave; keep delivering them while waiting for the worker, so
    // the sequence finishes exactly as it would have.
    while (!workerThread.wait(workerDrainIntervalMs))
        QCoreApplication::sendPostedEvents(&udpSocket, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(&udpSocket, QEvent::MetaCall);
    managerLog("~PumpManager");
    // The transports close as they are destroyed; their notifications must not reach
    // a manager that is already gone.
    udpSocket.disconnect(this);
    serialPort.disconnect(this);
}

SerialPortNaming PumpManager::nativeSerialPortNaming()
{
#ifdef Q_OS_WIN
    return SerialPortNaming::Windows;
#else
    return SerialPortNaming::Other;
#endif
}

bool PumpManager::offersSerialPort(const QString &portName, SerialPortNaming naming)
{
    if (naming == SerialPortNaming::Windows)
        return portName.startsWith(QLatin1String("COM"));
    return !portName.isEmpty();
}

void PumpManager::scanSerialPorts()
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports) {
        managerLog("scanSerialPorts") << port.portName() << "detected.";
        if (offersSerialPort(port.portName()))
            emit serialPortFound(port.portName());
    }
}

void PumpManager::setConnection(QString connection)
{
    managerLog("setConnection");
    connectionName = connection;
    ignoreReplies = false;
    if (serialPort.isOpen())
        serialPort.close();
    closeSocket();
    if (connection != ethernetConnectionName)
        openSerialPort(connection);
}

bool PumpManager::openSerialPort(QString portName)
{
    managerLog("openSerialPort") << portName;
    if (portName == ethernetConnectionName)
        return false;
    PumpSerialLine::configure(serialPort, portName);
    const bool opened = serialPort.open(QIODevice::ReadWrite);
    if (opened)
        managerLog("openSerialPort") << "Serial Port" << portName << "connected";
    else
        managerLog("openSerialPort") << "Serial Port" << portName << "connection error";
    if (!opened)
        emit serialPortOpenFailed(portName, serialPort.error(), serialPort.errorString());
    return opened;
}

void PumpManager::closeSerialPort()
{
    managerLog("closeSerialPort");
    if (serialPort.isOpen())
        serialPort.close();
}

void PumpManager::closeSocket()
{
    if (udpSocket.state() != QAbstractSocket::UnconnectedState || udpSocket.isOpen())
        udpSocket.close();
    adapterSearch.close();
}

void PumpManager::connectToPump(QString address, const PumpAdapter &adapter)
{
    closeSocket();
    // Only an address literal is contacted: text that would need a name lookup
    // cannot be a pump's address and never leaves the machine as a query.
    const QHostAddress pumpAddress(address);
    // Where the search went out through one adapter only, the routing table reaches
    // every pump it found, as it always did.
    const bool throughAdapter
        = !pumpAddress.isNull() && !adapter.isNull() && adapterSearch.wentThroughSeveralAdapters();
    QString reason;
    if (throughAdapter && !AdapterBinding::tie(udpSocket, adapter, &reason)) {
        managerLog("connectToPump") << "Adapter" << adapter.displayName << "refused:" << reason;
        emit refusals.refused(adapter.displayName, address, adapter.network(),
                              AdapterBinding::refusal(adapter));
    }
    if (!pumpAddress.isNull())
        udpSocket.connectToHost(pumpAddress, PumpProtocol::pumpPort, QIODevice::ReadWrite);
    ignoreReplies = false;
}

void PumpManager::searchPumps()
{
    closeSocket();
    ignoreReplies = false;
    if (connectionName == ethernetConnectionName)
        broadcastIdentityQuery();
    else if (serialPort.isOpen())
        serialPort.write(PumpProtocol::identityQueryFrame());
}

void PumpManager::broadcastIdentityQuery()
{
    answeredOn.clear();
    if (!PumpDatagrams::bindForPumps(udpSocket))
        return;
    adapterSearch.search(udpSocket);
}

void PumpManager::getPumpSettings(QString port)
{
    ignoreReplies = false;
    if (port == ethernetConnectionName)
        return;
    if (!serialPort.isOpen())
        openSerialPort(port);
    if (!serialPort.isOpen()) {
        managerLog("getPumpSettings") << "Serial Port" << port << "is not open";
        return;
    }
    sendSerialSequence(ProgramBinding::queryFrames());
}

bool PumpManager::setPumpSettings(PUMP_MODEL_T pump)
{
    managerLog("setPumpSettings") << connectionName;
    ignoreReplies = true;
    if (connectionName == ethernetConnectionName) {
        emit startSetWorker(&udpSocket, pump);
        return true;
    }
    if (!serialPort.isOpen())
        return false;
    // A port lost before the save frame left has not delivered the settings.
    const bool delivered = sendSerialSequence(ProgramBinding::writeFrames(pump));
    closeSerialPort();
    if (!delivered)
        return false;
    managerLog("setPumpSettings") << "Serial port settings updated";
    return true;
}

bool PumpManager::sendSerialSequence(const QVector<QByteArray> &frames)
{
    for (const QByteArray &frame : frames) {
        // A port closed under the sequence (device unplugged) takes no more frames.
        if (!serialPort.isOpen())
            return false;
        serialPort.write(frame);
        serialPort.waitForBytesWritten(PumpSerialLine::frameWaitMs);
        // The pump's answer is handled by readSerialData inside this wait.
        serialPort.waitForReadyRead(PumpSerialLine::frameWaitMs);
    }
    return serialPort.isOpen();
}

void PumpManager::socketConnected()
{
    managerLog("socketConnected") << udpSocket.peerAddress();
    PumpDatagrams::enlargeReceiveBuffer(udpSocket);
    if (ProgramBinding::readsSettings())
        emit startGetWorker(&udpSocket);
}

void PumpManager::socketDisconnected() { managerLog("socketDisconnected"); }

void PumpManager::socketBytesWritten(qint64) { }

void PumpManager::readSocketDatagrams()
{
    PumpDatagrams::drain(udpSocket, [this](const QNetworkDatagram &datagram) {
        if (!ignoreReplies && !isRepeatedAnswer(datagram, adapterSearch.adapterOf(datagram)))
            parsePumpResponse(datagram.data().toStdString());
    });
}

void PumpManager::takeAdapterDatagram(const QNetworkDatagram &datagram, const PumpAdapter &adapter)
{
    if (!ignoreReplies && !isRepeatedAnswer(datagram, adapter))
        parsePumpResponse(datagram.data().toStdString());
}

// An identity that came in through an adapter is remembered with it, and logged where
// the search went through several; the same answer through a second adapter's query
// is the same pump, heard twice.
bool PumpManager::isRepeatedAnswer(const QNetworkDatagram &datagram, const PumpAdapter &adapter)
{
    if (adapter.isNull())
        return false;
    if (!adapterSearch.isFirstAnswer(datagram.senderAddress(), datagram.data(), adapter.name))
        return true;
    const QByteArray line = PumpProtocol::upperCased(datagram.data());
    if (!PumpProtocol::isReply(line))
        return false;
    const PumpProtocol::Reply reply = PumpProtocol::splitReply(line);
    if (reply.mnemonic != PumpProtocol::identityMnemonic || !reply.hasValue)
        return false;
    const QString identity = QString::fromUtf8(reply.value);
    if (!answeredOn.contains(identity))
        answeredOn.insert(identity, adapter);
    if (!adapterSearch.wentThroughSeveralAdapters())
        return false;
    managerLog("readSocketDatagrams")
        << plainAddress(datagram.senderAddress()) << "answered on adapter" << adapter.displayName
        << adapter.ownAddress();
    return false;
}

void PumpManager::writeSerialData(QByteArray data) { serialPort.write(data); }

void PumpManager::readSerialData()
{
    const QByteArray chunk = serialPort.readAll();
    if (ignoreReplies) {
        serialFramer.clear();
        return;
    }
    const QVector<QByteArray> replies = serialFramer.feed(chunk);
    for (const QByteArray &reply : replies)
        parsePumpResponse(reply.toStdString());
}

void PumpManager::handleError(QSerialPort::SerialPortError error)
{
    // The next search or selection opens the port again.
    if (!PumpSerialLine::isDeviceFailure(error) || !serialPort.isOpen())
        return;
    managerLog("handleError") << "Serial Port" << serialPort.portName()
                              << "lost:" << serialPort.errorString();
    serialPort.close();
}

void PumpManager::serialBytesWritten(qint64 bytes)
{
    managerLog("serialBytesWritten") << bytes << " bytes written...";
}

void PumpManager::on_setWorker_finished()
{
    managerLog("on_setWorker_finished");
    closeSocket();
    if (serialPort.isOpen())
        serialPort.close();
}

void PumpManager::parsePumpResponse(std::string response)
{
    ProgramBinding::deliverReply(*this, QByteArray::fromStdString(response));
}
