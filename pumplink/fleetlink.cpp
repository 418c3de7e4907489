#include "fleetlink.h"

#include "fleettransport.h"
#include "framepacer.h"
#include "ipv4address.h"
#include "pumpprotocol.h"
#include "pumpserialline.h"
#include "steadyclock.h"

#include <QTimer>

#include <deque>
#include <map>
#include <set>

Q_LOGGING_CATEGORY(fleetCategory, "pump.fleet")

namespace {

// On a serial line the next frame follows the pump's answer, or this long after the
// frame when none comes: the windows wait as long for a frame to leave and its answer.
constexpr qint64 serialAnswerWaitNs = 2 * PumpSerialLine::frameWaitMs * FramePacer::nsPerMs;

#define fleetLog(operation) qCDebug(fleetCategory) << "[FleetLink]" << operation << "()"

struct Sequence
{
    QVector<QByteArray> frames;
    bool isWrite = false;
};

// One pump: its sequences in order, the front one on the wire while `running`.
struct Lane
{
    QString where;
    QHostAddress address;
    std::deque<Sequence> queue;
    int sentFrames = 0;
    bool running = false;
    // Replies count from the start of a read until the start of the next write.
    bool listening = false;
    // Serial: the last frame's answer has not come yet.
    bool awaitingAnswer = false;
    // When the pump takes its next frame.
    FramePacer pacer;
    qint64 scheduledAtNs = 0;
    bool scheduled = false;
};

} // namespace

struct FleetLink::Private
{
    Private(FleetLink *owner, const ProgramProfile &profile)
        : q(owner)
        , profile(profile)
    { }

    FleetLink *q;
    const ProgramProfile &profile;
    std::unique_ptr<FleetUdpTransport> udp;
    std::unique_ptr<FleetSerialTransport> serial;
    QString error;

    std::map<QString, Lane> lanes;
    std::set<std::pair<qint64, Lane *>> schedule;
    QTimer timer;
    qint64 armedAtNs = 0;
    int pending = 0;
    bool stopped = false;
    bool searching = false;

    bool canSend() const;
    Lane &laneFor(const QString &where);
    void enqueue(const QString &where, Sequence sequence);
    void scheduleLane(Lane &lane, qint64 atNs);
    void armTimer();
    void tick();
    void step(Lane &lane);
    bool sendFrame(Lane &lane, const QByteArray &frame);
    void finishFront(Lane &lane, bool started);
    void dropQueued(Lane &lane);
    void takeReply(const QString &from, const QByteArray &data);
    void answered(Lane &lane);
    void serialLost(const QString &reason);
};

bool FleetLink::Private::canSend() const { return udp || (serial && serial->isOpen()); }

Lane &FleetLink::Private::laneFor(const QString &where)
{
    // One lane per pump, however its address is spelt: replies are matched to it by
    // the plain address of their sender.
    const QHostAddress address(where);
    QString key = where;
    if (serial)
        key = serial->portName();
    else if (!address.isNull())
        key = plainAddress(address);
    auto it = lanes.find(key);
    if (it == lanes.end()) {
        it = lanes.emplace(key, Lane()).first;
        it->second.where = serial ? key : where;
        it->second.address = address.isNull() ? address : QHostAddress(key);
    }
    return it->second;
}

void FleetLink::Private::enqueue(const QString &where, Sequence sequence)
{
    Lane &lane = laneFor(where);
    lane.queue.push_back(std::move(sequence));
    ++pending;
    if (!lane.running && !lane.scheduled)
        scheduleLane(lane, qMax(lane.pacer.readyAtNs(), steadyNowNs()));
    armTimer();
}

void FleetLink::Private::scheduleLane(Lane &lane, qint64 atNs)
{
    if (lane.scheduled)
        schedule.erase({ lane.scheduledAtNs, &lane });
    lane.scheduled = true;
    lane.scheduledAtNs = atNs;
    schedule.insert({ atNs, &lane });
}

void FleetLink::Private::armTimer()
{
    if (schedule.empty()) {
        timer.stop();
        return;
    }
    const qint64 dueNs = schedule.begin()->first;
    if (timer.isActive() && armedAtNs <= dueNs)
        return;
    armedAtNs = dueNs;
    timer.start(FramePacer::timerDelayMs(dueNs, steadyNowNs()));
}

// A timer that fires early finds no lane due and is armed again for what is left.
void FleetLink::Private::tick()
{
    while (!schedule.empty() && schedule.begin()->first <= steadyNowNs()) {
        Lane &lane = *schedule.begin()->second;
        schedule.erase(schedule.begin());
        lane.scheduled = false;
        step(lane);
    }
    armTimer();
}

void FleetLink::Private::step(Lane &lane)
{
    if (!lane.running) {
        if (lane.queue.empty())
            return;
        if (stopped || !canSend() || (udp && lane.address.isNull())) {
            dropQueued(lane);
            return;
        }
        lane.running = true;
        lane.sentFrames = 0;
        lane.listening = !lane.queue.front().isWrite;
        fleetLog("start") << lane.where << (lane.queue.front().isWrite ? "write" : "read");
    }
    const Sequence &sequence = lane.queue.front();
    if (sequence.frames.isEmpty()) {
        finishFront(lane, true);
        return;
    }
    const int index = lane.sentFrames++;
    sendFrame(lane, sequence.frames.at(index));
    lane.awaitingAnswer = bool(serial);
    lane.pacer.frameLeft(
        serial ? serialAnswerWaitNs
               : profile.pauseAfterFrameMs(index, sequence.frames.size(), sequence.isWrite)
                * FramePacer::nsPerMs);
    if (lane.sentFrames == sequence.frames.size())
        finishFront(lane, true);
    else
        scheduleLane(lane, lane.pacer.readyAtNs());
}

bool FleetLink::Private::sendFrame(Lane &lane, const QByteArray &frame)
{
    // The mnemonic only: a set frame's value may be a key.
    const QByteArray mnemonic = frame.mid(1, 3);
    const bool sent = serial ? serial->send(frame) : udp->send(lane.address, frame);
    if (sent)
        fleetLog("send") << lane.where << QString::fromLatin1(mnemonic);
    else
        fleetLog("send") << lane.where << QString::fromLatin1(mnemonic)
                         << "not sent:" << (serial ? serial->errorString() : udp->errorString());
    return sent;
}

void FleetLink::Private::finishFront(Lane &lane, bool started)
{
    lane.queue.pop_front();
    lane.running = false;
    --pending;
    fleetLog("finish") << lane.where << (started ? "done" : "not started");
    emit q->sequenceFinished(lane.where, started);
    if (!lane.queue.empty() && !lane.running && !lane.scheduled)
        scheduleLane(lane, qMax(lane.pacer.readyAtNs(), steadyNowNs()));
    if (pending == 0)
        emit q->idle();
}

void FleetLink::Private::dropQueued(Lane &lane)
{
    while (!lane.queue.empty() && !lane.running)
        finishFront(lane, false);
}

void FleetLink::Private::takeReply(const QString &from, const QByteArray &data)
{
    ProgramProfile::RoutedReply routed;
    if (!profile.routeReply(data, &routed))
        return;
    const PumpProtocol::Reply &reply = routed.reply;
    const ProgramProfile::ReplyKind kind = routed.kind;
    const auto it = lanes.find(from);
    Lane *lane = it == lanes.end() ? nullptr : &it->second;
    if (kind == ProgramProfile::ReplyKind::Identity) {
        if (searching && reply.hasValue) {
            fleetLog("reply") << from << "Identity:" << QString::fromUtf8(reply.value);
            emit q->identityReceived(lane ? lane->where : from, reply.value);
        }
        if (lane)
            answered(*lane);
        return;
    }
    // Anything else on the network may answer too; only pumps we address are heard.
    if (!lane)
        return;
    answered(*lane);
    const QString mnemonic = QString::fromUtf8(reply.mnemonic);
    if (!lane->listening || kind != ProgramProfile::ReplyKind::Setting || !reply.hasValue) {
        fleetLog("reply") << lane->where << "dropped:" << mnemonic;
        return;
    }
    const QString value = QString::fromUtf8(reply.value);
    fleetLog("reply") << lane->where << "Command:" << mnemonic << "Value: " << value;
    emit q->settingReceived(lane->where, routed.settingIndex, value);
}

void FleetLink::Private::answered(Lane &lane)
{
    if (!serial || !lane.awaitingAnswer)
        return;
    lane.awaitingAnswer = false;
    if (lane.pacer.answered() && lane.scheduled) {
        scheduleLane(lane, lane.pacer.readyAtNs());
        armTimer();
    }
}

void FleetLink::Private::serialLost(const QString &reason)
{
    fleetLog("serialLost") << serial->portName() << reason;
    error = reason;
    for (auto &entry : lanes) {
        Lane &lane = entry.second;
        if (lane.running)
            finishFront(lane, true);
        dropQueued(lane);
    }
}

FleetLink::FleetLink(const ProgramProfile &profile, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>(this, profile))
{
    d->timer.setSingleShot(true);
    d->timer.setTimerType(Qt::PreciseTimer);
    connect(&d->timer, &QTimer::timeout, this, [this] { d->tick(); });
}

FleetLink::~FleetLink() = default;

bool FleetLink::openEthernet()
{
    d->serial.reset();
    if (!d->udp) {
        d->udp = std::make_unique<FleetUdpTransport>();
        connect(d->udp.get(), &FleetUdpTransport::datagramReceived, this,
                [this](const QHostAddress &sender, const QByteArray &data) {
                    d->takeReply(plainAddress(sender), data);
                });
    }
    if (!d->udp->open()) {
        d->error = d->udp->errorString();
        fleetLog("openEthernet") << "cannot bind:" << d->error;
        d->udp.reset();
        return false;
    }
    fleetLog("openEthernet") << "port" << d->udp->localPort();
    return true;
}

bool FleetLink::openSerial(const QString &port)
{
    d->udp.reset();
    d->serial = std::make_unique<FleetSerialTransport>();
    connect(d->serial.get(), &FleetSerialTransport::replyReceived, this,
            [this](const QByteArray &line) { d->takeReply(d->serial->portName(), line); });
    connect(d->serial.get(), &FleetSerialTransport::lost, this,
            [this](const QString &reason) { d->serialLost(reason); });
    if (!d->serial->open(port)) {
        d->error = d->serial->errorString();
        fleetLog("openSerial") << "Serial Port" << port << "connection error:" << d->error;
        d->serial.reset();
        return false;
    }
    fleetLog("openSerial") << "Serial Port" << port << "connected";
    return true;
}

QString FleetLink::errorString() const { return d->error; }

quint16 FleetLink::localPort() const { return d->udp ? d->udp->localPort() : 0; }

void FleetLink::search()
{
    fleetLog("search");
    d->searching = true;
    if (d->udp)
        d->udp->broadcastIdentityQuery();
    else if (d->serial)
        d->serial->send(PumpProtocol::identityQueryFrame());
}

void FleetLink::read(const QString &where)
{
    d->enqueue(where, { d->profile.queryFrames(), false });
}

void FleetLink::read(const QString &where, const QVector<int> &settingIndexes)
{
    const QVector<QByteArray> all = d->profile.queryFrames();
    QVector<QByteArray> frames;
    for (int i = 0; i < all.size(); ++i) {
        if (settingIndexes.contains(i))
            frames.append(all.at(i));
    }
    d->enqueue(where, { frames, false });
}

void FleetLink::write(const QString &where, const QStringList &values)
{
    d->enqueue(where, { d->profile.writeFrames(values), true });
}

void FleetLink::stopStarting()
{
    fleetLog("stopStarting") << d->pending << "sequences pending";
    d->stopped = true;
    // Queued sequences are dropped on the next turn of the event loop, in order.
    const qint64 now = steadyNowNs();
    for (auto &entry : d->lanes) {
        Lane &lane = entry.second;
        if (!lane.running && !lane.queue.empty())
            d->scheduleLane(lane, now);
    }
    d->armTimer();
}

int FleetLink::pendingSequences() const { return d->pending; }
