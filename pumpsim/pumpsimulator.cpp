#include "pumpsimulator.h"

#include "pumpprotocol.h"
#include "pumpstate.h"
#include "replyshaping.h"
#include "serialline.h"
#include "steadyclock.h"
#include "udppumps.h"

#include <QTimer>

#include <random>
#include <vector>

// Ties the parts together: frames come in from the UDP sockets and the serial line,
// are recorded, answered from the pump's state, shaped by its fault and sent back
// the way they came.
struct PumpSimulator::Private
{
    explicit Private(PumpSimulator *owner)
        : q(owner)
    { }

    PumpSimulator *q;
    UdpPumps *udp = nullptr;
    SerialLine *serial = nullptr;
    std::vector<PumpState> pumps;
    std::vector<HeldReplies *> held; // made only for pumps that join replies
    int restartMs = 0;
    int replyDelayMs = 0;
    double lossPercent = 0;
    std::mt19937 lossGenerator;
    QVector<ReceivedFrame> frames;

    bool isValidPump(int pump) const { return pump >= 0 && pump < int(pumps.size()); }
    bool addressInUse(const QHostAddress &address, int except) const;
    void record(ReceivedFrame::Transport transport, int pump, const QByteArray &bytes,
                const QHostAddress &sender = QHostAddress(), quint16 senderPort = 0);

    void takeDatagram(int pump, const QNetworkDatagram &datagram);
    void takeBroadcast(const QNetworkDatagram &datagram);
    void takeSerialFrame(const QByteArray &frame);
    void handleFrame(int pump, const QByteArray &frame, const ReplyTarget &target);
    bool losesAnswer(const PumpProtocol::Command &command);
    void save(int pump);
    void finishRestart(int pump);

    void answer(int pump, const ReplyTarget &target, const QByteArray &line);
    void deliver(int pump, const ReplyTarget &target, const QByteArray &line);
    void send(int pump, const ReplyTarget &target, const QByteArrayList &pieces);
    HeldReplies *heldReplies(int pump);
};

bool PumpSimulator::Private::addressInUse(const QHostAddress &address, int except) const
{
    for (int i = 0; i < int(pumps.size()); ++i) {
        if (i != except && pumps[i].config().address.isEqual(address))
            return true;
    }
    return false;
}

void PumpSimulator::Private::record(ReceivedFrame::Transport transport, int pump,
                                    const QByteArray &bytes, const QHostAddress &sender,
                                    quint16 senderPort)
{
    ReceivedFrame frame;
    frame.steadyNs = steadyNowNs();
    frame.transport = transport;
    frame.pump = pump;
    frame.bytes = bytes;
    frame.sender = sender;
    frame.senderPort = senderPort;
    frames.append(frame);
    emit q->frameReceived(frame);
}

void PumpSimulator::Private::takeDatagram(int pump, const QNetworkDatagram &datagram)
{
    if (pump < 0) {
        takeBroadcast(datagram);
        return;
    }
    record(ReceivedFrame::Udp, pump, datagram.data(), datagram.senderAddress(),
           quint16(datagram.senderPort()));
    ReplyTarget target;
    target.address = datagram.senderAddress();
    target.port = quint16(datagram.senderPort());
    handleFrame(pump, datagram.data(), target);
}

void PumpSimulator::Private::takeBroadcast(const QNetworkDatagram &datagram)
{
    record(ReceivedFrame::Udp, -1, datagram.data(), datagram.senderAddress(),
           quint16(datagram.senderPort()));
    // Unicast to an address where no pump lives also lands here; no pump hears that.
    const QHostAddress destination = datagram.destinationAddress();
    if (!destination.isNull() && destination != QHostAddress(QHostAddress::Broadcast))
        return;
    const PumpProtocol::Command command = PumpProtocol::splitCommand(datagram.data());
    if (command.kind != PumpProtocol::Command::Query
        || command.mnemonic != PumpProtocol::identityMnemonic)
        return;
    ReplyTarget target;
    target.address = datagram.senderAddress();
    target.port = quint16(datagram.senderPort());
    if (target.address.isNull() || target.address == QHostAddress(QHostAddress::AnyIPv4))
        target.address = QHostAddress(QHostAddress::LocalHost);
    for (int pump = 0; pump < int(pumps.size()); ++pump)
        handleFrame(pump, datagram.data(), target);
}

void PumpSimulator::Private::takeSerialFrame(const QByteArray &frame)
{
    record(ReceivedFrame::Serial, serial->pump(), frame);
    ReplyTarget target;
    target.transport = ReceivedFrame::Serial;
    handleFrame(serial->pump(), frame, target);
}

void PumpSimulator::Private::handleFrame(int pump, const QByteArray &frame,
                                         const ReplyTarget &target)
{
    if (!isValidPump(pump))
        return;
    PumpState &state = pumps[pump];
    const PumpProtocol::Command command = PumpProtocol::splitCommand(frame);
    // A restarting pump is deaf: what it is sent is recorded, nothing more.
    if (command.kind == PumpProtocol::Command::Invalid || state.isRestarting())
        return;
    if (command.mnemonic == PumpProtocol::saveMnemonic) {
        save(pump);
        return;
    }
    QByteArray value;
    if (!state.answerFor(command, &value) || losesAnswer(command))
        return;
    const QByteArray line = ReplyShaping::shapedLine(state.fault(), frame, command, value);
    if (!line.isEmpty())
        answer(pump, target, line);
}

bool PumpSimulator::Private::losesAnswer(const PumpProtocol::Command &command)
{
    if (lossPercent <= 0 || command.kind != PumpProtocol::Command::Query
        || command.mnemonic == PumpProtocol::identityMnemonic)
        return false;
    return std::uniform_real_distribution<double>(0, 100)(lossGenerator) < lossPercent;
}

void PumpSimulator::Private::save(int pump)
{
    pumps[pump].save();
    // What the pump had not sent yet is lost with the restart.
    if (held[pump])
        held[pump]->drop();
    QTimer::singleShot(restartMs, Qt::PreciseTimer, q, [this, pump]() { finishRestart(pump); });
}

void PumpSimulator::Private::finishRestart(int pump)
{
    PumpState &state = pumps[pump];
    const QHostAddress wanted = state.finishRestart();
    if (wanted.isNull())
        return;
    if (addressInUse(wanted, pump)) {
        qWarning("pump %d: %s belongs to another pump; keeping %s", pump,
                 qPrintable(wanted.toString()), qPrintable(state.config().address.toString()));
        return;
    }
    if (udp->movePump(pump, wanted))
        state.moveTo(wanted);
}

void PumpSimulator::Private::answer(int pump, const ReplyTarget &target, const QByteArray &line)
{
    if (replyDelayMs <= 0) {
        deliver(pump, target, line);
        return;
    }
    QTimer::singleShot(replyDelayMs, Qt::PreciseTimer, q, [this, pump, target, line]() {
        if (!pumps[pump].isRestarting())
            deliver(pump, target, line);
    });
}

void PumpSimulator::Private::deliver(int pump, const ReplyTarget &target, const QByteArray &line)
{
    const PumpFault fault = pumps[pump].fault();
    if (fault == PumpFault::JoinReplies)
        heldReplies(pump)->add(target, line);
    else if (fault != PumpFault::SplitReplies)
        send(pump, target, { line });
    else if (target.transport == ReceivedFrame::Serial)
        send(pump, target, ReplyShaping::serialPieces(line));
    else
        send(pump, target, ReplyShaping::datagramPieces(line));
}

void PumpSimulator::Private::send(int pump, const ReplyTarget &target, const QByteArrayList &pieces)
{
    if (target.transport == ReceivedFrame::Serial) {
        if (pump == serial->pump())
            serial->send(pieces);
        return;
    }
    for (const QByteArray &piece : pieces)
        udp->send(pump, target.address, target.port, piece);
}

HeldReplies *PumpSimulator::Private::heldReplies(int pump)
{
    if (!held[pump]) {
        held[pump] = new HeldReplies(q);
        QObject::connect(held[pump], &HeldReplies::send, q,
                         [this, pump](const ReplyTarget &target, const QByteArray &bytes) {
                             send(pump, target, { bytes });
                         });
    }
    return held[pump];
}

PumpSimulator::PumpSimulator(QObject *parent)
    : QObject(parent)
    , d(new Private(this))
{
    qRegisterMetaType<ReceivedFrame>();
    d->udp = new UdpPumps(this);
    d->serial = new SerialLine(this);
    connect(
        d->udp, &UdpPumps::datagramReceived, this,
        [this](int pump, const QNetworkDatagram &datagram) { d->takeDatagram(pump, datagram); });
    connect(d->serial, &SerialLine::frameReceived, this,
            [this](const QByteArray &frame) { d->takeSerialFrame(frame); });
}

PumpSimulator::~PumpSimulator()
{
    closeSerialLine();
    // The children (sockets, timers) go with the QObject; the pump table must
    // outlive them, since their lambdas point into it.
    const QObjectList children = this->children();
    for (QObject *child : children)
        delete child;
    delete d;
}

int PumpSimulator::addPump(const SimulatedPumpConfig &config)
{
    if (d->addressInUse(config.address, -1)) {
        qWarning("pump address %s is taken already", qPrintable(config.address.toString()));
        return -1;
    }
    if (!d->udp->addPump(config.address))
        return -1;
    d->pumps.emplace_back(config);
    d->held.push_back(nullptr);
    return int(d->pumps.size()) - 1;
}

int PumpSimulator::pumpCount() const { return int(d->pumps.size()); }

bool PumpSimulator::listenForBroadcasts() { return d->udp->listenForBroadcasts(); }

QString PumpSimulator::openSerialLine(int pump)
{
    if (!d->isValidPump(pump))
        return QString();
    return d->serial->open(pump);
}

void PumpSimulator::closeSerialLine() { d->serial->close(); }

void PumpSimulator::setFault(int pump, PumpFault fault)
{
    if (!d->isValidPump(pump))
        return;
    PumpState &state = d->pumps[pump];
    if (state.fault() == PumpFault::JoinReplies && fault != PumpFault::JoinReplies && d->held[pump])
        d->held[pump]->flush();
    state.setFault(fault);
}

void PumpSimulator::setRestartMs(int ms) { d->restartMs = qMax(0, ms); }

void PumpSimulator::setReplyDelayMs(int ms) { d->replyDelayMs = qMax(0, ms); }

void PumpSimulator::setLoss(double percent, quint32 seed)
{
    d->lossPercent = qBound(0.0, percent, 100.0);
    d->lossGenerator.seed(seed);
}

QMap<QByteArray, QByteArray> PumpSimulator::settings(int pump) const
{
    return d->isValidPump(pump) ? d->pumps[pump].config().settings : QMap<QByteArray, QByteArray>();
}

QHostAddress PumpSimulator::address(int pump) const
{
    return d->isValidPump(pump) ? d->pumps[pump].config().address : QHostAddress();
}

QVector<ReceivedFrame> PumpSimulator::frames() const { return d->frames; }

QByteArray PumpSimulator::serialBytes() const { return d->serial->receivedBytes(); }

void PumpSimulator::clearFrames()
{
    d->frames.clear();
    d->serial->clearReceivedBytes();
}

void PumpSimulator::floodJunk(int pump, const QHostAddress &peer, quint16 port, int count)
{
    if (d->isValidPump(pump))
        d->udp->floodJunk(pump, peer, port, count);
}
