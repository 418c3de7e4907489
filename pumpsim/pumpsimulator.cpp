#include "pumpsimulator.h"

#include "pumpprotocol.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTimer>
#include <QUdpSocket>

#include <chrono>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int joinedReplyFlushMs = 300;
constexpr int splitPieceGapMs = 5;
constexpr int junkMaximumLength = 64;

const QByteArray identityMnemonic = QByteArrayLiteral("NID");
const QByteArray saveMnemonic = QByteArrayLiteral("NSV");
const QByteArray unknownMnemonic = QByteArrayLiteral("NXQ");

qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A frame as the pump understands it: a query (STX, mnemonic, CR) or a set
// (STX, mnemonic, ",", value, CR). The value ends at the first CR, as on the
// pump's own line reader; whatever follows it is not part of the command.
struct Command
{
    enum Kind { Invalid, Query, Set };
    Kind kind = Invalid;
    QByteArray mnemonic;
    QByteArray value;
};

Command parseCommand(const QByteArray &frame)
{
    Command command;
    if (frame.size() < 5 || frame.at(0) != PumpProtocol::stx)
        return command;
    if (frame.at(4) == PumpProtocol::cr) {
        command.kind = Command::Query;
    } else if (frame.at(4) == ',') {
        const int end = frame.indexOf(PumpProtocol::cr, 5);
        if (end < 0)
            return command;
        command.kind = Command::Set;
        command.value = frame.mid(5, end - 5);
    } else {
        return command;
    }
    command.mnemonic = frame.mid(1, 3);
    return command;
}

QByteArray replyLine(const QByteArray &mnemonic, const QByteArray &value)
{
    QByteArray line;
    line.reserve(mnemonic.size() + value.size() + 3);
    line.append(PumpProtocol::stx)
        .append(mnemonic)
        .append(',')
        .append(value)
        .append(PumpProtocol::cr);
    return line;
}

// Only ASCII letters change, so UTF-8 values and the control bytes stay intact.
QByteArray lowerCased(QByteArray line)
{
    for (char &byte : line) {
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<char>(byte - 'A' + 'a');
    }
    return line;
}

// The first piece is the lead and mnemonic, so a reader sees a piece that starts
// with STX and a later one that ends with CR, never both in one piece.
QByteArrayList serialPieces(const QByteArray &line)
{
    if (line.size() < 2)
        return { line };
    const int first = qMin(4, line.size() - 1);
    const int rest = line.size() - first;
    if (rest < 3)
        return { line.left(first), line.mid(first) };
    const int second = rest / 2;
    return { line.left(first), line.mid(first, second), line.mid(first + second) };
}

QByteArrayList datagramPieces(const QByteArray &line)
{
    if (line.size() < 2)
        return { line };
    const int first = qMin(4, line.size() - 1);
    return { line.left(first), line.mid(first) };
}

bool isLoopbackIpv4(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol && address.isLoopback();
}

// A thousand pumps need a thousand sockets; the soft limit on open files is
// often just above that, so take what the hard limit allows.
void raiseOpenFileLimit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max)
        return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

} // namespace

struct SimulatedPump
{
    SimulatedPumpConfig config;
    QUdpSocket *socket = nullptr;
    PumpFault fault = PumpFault::None;
    QMap<QByteArray, QByteArray> pending;
    bool restarting = false;

    // JoinReplies: the reply held back until the next one, per transport.
    QByteArray heldDatagram;
    QHostAddress heldPeer;
    quint16 heldPeerPort = 0;
    QByteArray heldSerial;
    QTimer *joinTimer = nullptr; // created only for pumps that join replies
};

// Where an answer goes: back to the datagram's sender, or onto the terminal.
struct ReplyTarget
{
    ReceivedFrame::Transport transport = ReceivedFrame::Udp;
    QHostAddress address;
    quint16 port = 0;
};

struct PumpSimulator::Private
{
    explicit Private(PumpSimulator *owner)
        : q(owner)
    { }

    PumpSimulator *q;
    std::vector<SimulatedPump> pumps;
    QUdpSocket *broadcastSocket = nullptr;
    int restartMs = 0;
    int replyDelayMs = 0;
    QVector<ReceivedFrame> frames;

    int serialPump = -1;
    int masterFd = -1;
    int slaveFd = -1;
    QSocketNotifier *serialNotifier = nullptr;
    SerialReplyFramer serialFramer;
    QByteArray serialBytes;
    QByteArrayList serialQueue;
    QTimer *serialPaceTimer = nullptr;

    bool isValidPump(int pump) const { return pump >= 0 && pump < int(pumps.size()); }
    bool addressInUse(const QHostAddress &address, int except) const;
    QUdpSocket *bindPumpSocket(int pump, const QHostAddress &address);

    void readPumpDatagrams(int pump);
    void readBroadcastDatagrams();
    void readSerialLine();
    void record(ReceivedFrame::Transport transport, int pump, const QByteArray &bytes,
                const QHostAddress &sender = QHostAddress(), quint16 senderPort = 0);

    void handleFrame(int pump, const QByteArray &frame, const ReplyTarget &target);
    QByteArray identity(const SimulatedPump &pump) const;
    void save(int pump);
    void finishRestart(int pump);

    void answer(int pump, const ReplyTarget &target, const QByteArray &line);
    void deliver(int pump, const ReplyTarget &target, const QByteArray &line);
    void holdOrJoin(int pump, const ReplyTarget &target, const QByteArray &line);
    void flushHeld(int pump);
    void sendDatagram(int pump, const ReplyTarget &target, const QByteArray &bytes);
    void sendSerial(int pump, const QByteArrayList &pieces);
    void writeSerialNow(const QByteArray &bytes);
    void writeNextSerialPiece();
};

bool PumpSimulator::Private::addressInUse(const QHostAddress &address, int except) const
{
    for (int i = 0; i < int(pumps.size()); ++i) {
        if (i != except && pumps[i].config.address.isEqual(address))
            return true;
    }
    return false;
}

QUdpSocket *PumpSimulator::Private::bindPumpSocket(int pump, const QHostAddress &address)
{
    auto *socket = new QUdpSocket(q);
    // Shared with the broadcast socket on the same port: the system hands a
    // unicast datagram to the socket bound to its exact address.
    if (!socket->bind(address, PumpProtocol::pumpPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        qWarning("pump %d: cannot bind %s:%u: %s", pump, qPrintable(address.toString()),
                 PumpProtocol::pumpPort, qPrintable(socket->errorString()));
        delete socket;
        return nullptr;
    }
    QObject::connect(socket, &QUdpSocket::readyRead, q,
                     [this, pump]() { readPumpDatagrams(pump); });
    return socket;
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

void PumpSimulator::Private::readPumpDatagrams(int pump)
{
    QUdpSocket *socket = pumps[pump].socket;
    while (socket && socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        record(ReceivedFrame::Udp, pump, datagram.data(), datagram.senderAddress(),
               quint16(datagram.senderPort()));
        ReplyTarget target;
        target.address = datagram.senderAddress();
        target.port = quint16(datagram.senderPort());
        handleFrame(pump, datagram.data(), target);
        // A save may have replaced the socket meanwhile; read on from the current one.
        socket = pumps[pump].socket;
    }
}

void PumpSimulator::Private::readBroadcastDatagrams()
{
    while (broadcastSocket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = broadcastSocket->receiveDatagram();
        if (!datagram.isValid())
            break;
        record(ReceivedFrame::Udp, -1, datagram.data(), datagram.senderAddress(),
               quint16(datagram.senderPort()));
        // Unicast to an address where no pump lives also lands here; no pump hears that.
        const QHostAddress destination = datagram.destinationAddress();
        if (!destination.isNull() && destination != QHostAddress(QHostAddress::Broadcast))
            continue;
        const Command command = parseCommand(datagram.data());
        if (command.kind != Command::Query || command.mnemonic != identityMnemonic)
            continue;
        ReplyTarget target;
        target.address = datagram.senderAddress();
        target.port = quint16(datagram.senderPort());
        if (target.address.isNull() || target.address == QHostAddress(QHostAddress::AnyIPv4))
            target.address = QHostAddress(QHostAddress::LocalHost);
        for (int pump = 0; pump < int(pumps.size()); ++pump)
            handleFrame(pump, datagram.data(), target);
    }
}

void PumpSimulator::Private::readSerialLine()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(masterFd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            // The slave stays open on our side, so only a broken terminal gets here.
            if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
                serialNotifier->setEnabled(false);
            return;
        }
        const QByteArray chunk(buffer, int(count));
        serialBytes.append(chunk);
        const QVector<QByteArray> received = serialFramer.feed(chunk);
        for (const QByteArray &frame : received) {
            record(ReceivedFrame::Serial, serialPump, frame);
            ReplyTarget target;
            target.transport = ReceivedFrame::Serial;
            handleFrame(serialPump, frame, target);
            if (masterFd < 0)
                return;
        }
    }
}

QByteArray PumpSimulator::Private::identity(const SimulatedPump &pump) const
{
    if (!pump.config.identityOverride.isEmpty())
        return pump.config.identityOverride;
    const QByteArray name = pump.config.name.toUtf8();
    const QByteArray address = pump.config.address.toString().toLatin1();
    if (pump.config.identityForm == IdentityForm::BrandWordAndAt)
        return "BRAND " + name + " AT " + address + " FW 2.4";
    return name + " @ " + address + " FW 2.4";
}

void PumpSimulator::Private::handleFrame(int pump, const QByteArray &frame,
                                         const ReplyTarget &target)
{
    if (!isValidPump(pump))
        return;
    SimulatedPump &p = pumps[pump];
    const Command command = parseCommand(frame);
    // A restarting pump is deaf: what it is sent is recorded, nothing more.
    if (command.kind == Command::Invalid || p.restarting)
        return;
    if (command.mnemonic == saveMnemonic) {
        save(pump);
        return;
    }

    QByteArray value;
    if (command.kind == Command::Set) {
        p.pending.insert(command.mnemonic, command.value);
        value = command.value;
    } else if (command.mnemonic == identityMnemonic) {
        value = identity(p);
    } else if (p.config.settings.contains(command.mnemonic)) {
        value = p.config.settings.value(command.mnemonic);
    } else {
        return;
    }

    switch (p.fault) {
    case PumpFault::Silent:
        return;
    case PumpFault::EchoQueries:
        answer(pump, target, frame);
        return;
    case PumpFault::UnknownMnemonics:
        answer(pump, target, replyLine(unknownMnemonic, value));
        return;
    case PumpFault::LowerCase:
        answer(pump, target, lowerCased(replyLine(command.mnemonic, value)));
        return;
    default:
        answer(pump, target, replyLine(command.mnemonic, value));
        return;
    }
}

void PumpSimulator::Private::save(int pump)
{
    SimulatedPump &p = pumps[pump];
    for (auto it = p.pending.cbegin(); it != p.pending.cend(); ++it)
        p.config.settings.insert(it.key(), it.value());
    p.pending.clear();
    p.restarting = true;
    // What the pump had not sent yet is lost with the restart.
    p.heldDatagram.clear();
    p.heldSerial.clear();
    if (p.joinTimer)
        p.joinTimer->stop();
    QTimer::singleShot(restartMs, Qt::PreciseTimer, q, [this, pump]() { finishRestart(pump); });
}

void PumpSimulator::Private::finishRestart(int pump)
{
    SimulatedPump &p = pumps[pump];
    p.restarting = false;
    if (p.config.settings.value("NAM").toUpper() != "STATIC")
        return;
    const QHostAddress wanted(QString::fromLatin1(p.config.settings.value("NIP").trimmed()));
    // Only loopback: the simulator must never claim an address of a real network.
    if (!isLoopbackIpv4(wanted) || wanted.isEqual(p.config.address))
        return;
    if (addressInUse(wanted, pump)) {
        qWarning("pump %d: %s belongs to another pump; keeping %s", pump,
                 qPrintable(wanted.toString()), qPrintable(p.config.address.toString()));
        return;
    }
    QUdpSocket *socket = bindPumpSocket(pump, wanted);
    if (!socket)
        return;
    delete p.socket;
    p.socket = socket;
    p.config.address = wanted;
}

void PumpSimulator::Private::answer(int pump, const ReplyTarget &target, const QByteArray &line)
{
    if (replyDelayMs <= 0) {
        deliver(pump, target, line);
        return;
    }
    QTimer::singleShot(replyDelayMs, Qt::PreciseTimer, q, [this, pump, target, line]() {
        if (!pumps[pump].restarting)
            deliver(pump, target, line);
    });
}

void PumpSimulator::Private::deliver(int pump, const ReplyTarget &target, const QByteArray &line)
{
    const PumpFault fault = pumps[pump].fault;
    if (fault == PumpFault::JoinReplies) {
        holdOrJoin(pump, target, line);
    } else if (target.transport == ReceivedFrame::Serial) {
        sendSerial(pump,
                   fault == PumpFault::SplitReplies ? serialPieces(line) : QByteArrayList { line });
    } else if (fault == PumpFault::SplitReplies) {
        for (const QByteArray &piece : datagramPieces(line))
            sendDatagram(pump, target, piece);
    } else {
        sendDatagram(pump, target, line);
    }
}

void PumpSimulator::Private::holdOrJoin(int pump, const ReplyTarget &target, const QByteArray &line)
{
    SimulatedPump &p = pumps[pump];
    if (target.transport == ReceivedFrame::Serial) {
        if (p.heldSerial.isEmpty()) {
            p.heldSerial = line;
        } else {
            sendSerial(pump, { p.heldSerial + line });
            p.heldSerial.clear();
        }
    } else if (p.heldDatagram.isEmpty()) {
        p.heldDatagram = line;
        p.heldPeer = target.address;
        p.heldPeerPort = target.port;
    } else if (p.heldPeer.isEqual(target.address) && p.heldPeerPort == target.port) {
        sendDatagram(pump, target, p.heldDatagram + line);
        p.heldDatagram.clear();
    } else {
        // Another peer asked: the held reply cannot ride along, so it goes alone.
        ReplyTarget heldTarget;
        heldTarget.address = p.heldPeer;
        heldTarget.port = p.heldPeerPort;
        sendDatagram(pump, heldTarget, p.heldDatagram);
        p.heldDatagram = line;
        p.heldPeer = target.address;
        p.heldPeerPort = target.port;
    }

    if (p.heldSerial.isEmpty() && p.heldDatagram.isEmpty()) {
        if (p.joinTimer)
            p.joinTimer->stop();
        return;
    }
    if (!p.joinTimer) {
        p.joinTimer = new QTimer(q);
        p.joinTimer->setSingleShot(true);
        p.joinTimer->setTimerType(Qt::PreciseTimer);
        p.joinTimer->setInterval(joinedReplyFlushMs);
        QObject::connect(p.joinTimer, &QTimer::timeout, q, [this, pump]() { flushHeld(pump); });
    }
    if (!p.joinTimer->isActive())
        p.joinTimer->start();
}

void PumpSimulator::Private::flushHeld(int pump)
{
    SimulatedPump &p = pumps[pump];
    if (!p.heldDatagram.isEmpty()) {
        ReplyTarget target;
        target.address = p.heldPeer;
        target.port = p.heldPeerPort;
        sendDatagram(pump, target, p.heldDatagram);
        p.heldDatagram.clear();
    }
    if (!p.heldSerial.isEmpty()) {
        sendSerial(pump, { p.heldSerial });
        p.heldSerial.clear();
    }
}

void PumpSimulator::Private::sendDatagram(int pump, const ReplyTarget &target,
                                          const QByteArray &bytes)
{
    QUdpSocket *socket = pumps[pump].socket;
    if (socket && target.port != 0)
        socket->writeDatagram(bytes, target.address, target.port);
}

void PumpSimulator::Private::sendSerial(int pump, const QByteArrayList &pieces)
{
    if (pump != serialPump || masterFd < 0 || pieces.isEmpty())
        return;
    // Pieces of one reply, and later replies behind them, keep their order.
    serialQueue.append(pieces);
    if (serialPaceTimer->isActive())
        return;
    writeNextSerialPiece();
}

void PumpSimulator::Private::writeNextSerialPiece()
{
    if (serialQueue.isEmpty())
        return;
    writeSerialNow(serialQueue.takeFirst());
    if (!serialQueue.isEmpty())
        serialPaceTimer->start();
}

void PumpSimulator::Private::writeSerialNow(const QByteArray &bytes)
{
    if (masterFd < 0)
        return;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(masterFd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        // A full terminal drops the rest, as a line nobody reads would.
        if (written <= 0)
            return;
        data += written;
        left -= written;
    }
}

PumpSimulator::PumpSimulator(QObject *parent)
    : QObject(parent)
    , d(new Private(this))
{
    qRegisterMetaType<ReceivedFrame>();
    raiseOpenFileLimit();
    d->serialPaceTimer = new QTimer(this);
    d->serialPaceTimer->setSingleShot(true);
    d->serialPaceTimer->setTimerType(Qt::PreciseTimer);
    d->serialPaceTimer->setInterval(splitPieceGapMs);
    connect(d->serialPaceTimer, &QTimer::timeout, this, [this]() { d->writeNextSerialPiece(); });
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
    const int pump = int(d->pumps.size());
    QUdpSocket *socket = d->bindPumpSocket(pump, config.address);
    if (!socket)
        return -1;
    SimulatedPump simulated;
    simulated.config = config;
    simulated.socket = socket;
    d->pumps.push_back(std::move(simulated));
    return pump;
}

int PumpSimulator::pumpCount() const { return int(d->pumps.size()); }

bool PumpSimulator::listenForBroadcasts()
{
    if (d->broadcastSocket)
        return true;
    auto *socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress(QHostAddress::AnyIPv4), PumpProtocol::pumpPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        qWarning("cannot bind the broadcast socket on port %u: %s", PumpProtocol::pumpPort,
                 qPrintable(socket->errorString()));
        delete socket;
        return false;
    }
    d->broadcastSocket = socket;
    connect(socket, &QUdpSocket::readyRead, this, [this]() { d->readBroadcastDatagrams(); });
    return true;
}

QString PumpSimulator::openSerialLine(int pump)
{
    if (!d->isValidPump(pump))
        return QString();
    closeSerialLine();

    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return QString();
    char path[128] = {};
    if (grantpt(master) != 0 || unlockpt(master) != 0
        || ptsname_r(master, path, sizeof path) != 0) {
        ::close(master);
        return QString();
    }
    // Our own slave descriptor keeps the terminal alive while the tool closes and
    // reopens its port; without it the master would see a hang-up each time.
    const int slave = ::open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        return QString();
    }
    termios settings {};
    if (tcgetattr(slave, &settings) == 0) {
        // Raw, so the line discipline neither echoes the tool's frames back nor
        // turns CR into NL.
        cfmakeraw(&settings);
        cfsetispeed(&settings, B115200);
        cfsetospeed(&settings, B115200);
        tcsetattr(slave, TCSANOW, &settings);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    d->masterFd = master;
    d->slaveFd = slave;
    d->serialPump = pump;
    d->serialFramer.clear();
    d->serialNotifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(d->serialNotifier, &QSocketNotifier::activated, this,
            [this]() { d->readSerialLine(); });
    return QString::fromLocal8Bit(path);
}

void PumpSimulator::closeSerialLine()
{
    delete d->serialNotifier;
    d->serialNotifier = nullptr;
    d->serialPaceTimer->stop();
    d->serialQueue.clear();
    if (d->masterFd >= 0)
        ::close(d->masterFd);
    if (d->slaveFd >= 0)
        ::close(d->slaveFd);
    d->masterFd = -1;
    d->slaveFd = -1;
    d->serialPump = -1;
}

void PumpSimulator::setFault(int pump, PumpFault fault)
{
    if (!d->isValidPump(pump))
        return;
    if (d->pumps[pump].fault == PumpFault::JoinReplies && fault != PumpFault::JoinReplies)
        d->flushHeld(pump);
    d->pumps[pump].fault = fault;
}

void PumpSimulator::setRestartMs(int ms) { d->restartMs = qMax(0, ms); }

void PumpSimulator::setReplyDelayMs(int ms) { d->replyDelayMs = qMax(0, ms); }

QMap<QByteArray, QByteArray> PumpSimulator::settings(int pump) const
{
    return d->isValidPump(pump) ? d->pumps[pump].config.settings : QMap<QByteArray, QByteArray>();
}

QHostAddress PumpSimulator::address(int pump) const
{
    return d->isValidPump(pump) ? d->pumps[pump].config.address : QHostAddress();
}

QVector<ReceivedFrame> PumpSimulator::frames() const { return d->frames; }

QByteArray PumpSimulator::serialBytes() const { return d->serialBytes; }

void PumpSimulator::clearFrames()
{
    d->frames.clear();
    d->serialBytes.clear();
}

void PumpSimulator::floodJunk(int pump, const QHostAddress &peer, quint16 port, int count)
{
    if (!d->isValidPump(pump) || !d->pumps[pump].socket)
        return;
    QUdpSocket *socket = d->pumps[pump].socket;
    QRandomGenerator *random = QRandomGenerator::global();
    for (int i = 0; i < count; ++i) {
        QByteArray junk(random->bounded(1, junkMaximumLength + 1), Qt::Uninitialized);
        for (char &byte : junk)
            byte = char(random->bounded(256));
        // Every fourth looks like the start of a reply, to tempt a careless parser.
        if (i % 4 == 0)
            junk[0] = PumpProtocol::stx;
        socket->writeDatagram(junk, peer, port);
    }
}
