#include "replyshaping.h"

namespace {

constexpr int joinedReplyFlushMs = 300;

const QByteArray unknownMnemonic = QByteArrayLiteral("NXQ");

} // namespace

namespace ReplyShaping {

QByteArray shapedLine(PumpFault fault, const QByteArray &frame,
                      const PumpProtocol::Command &command, const QByteArray &value)
{
    switch (fault) {
    case PumpFault::Silent:
        return QByteArray();
    case PumpFault::EchoQueries:
        return frame;
    case PumpFault::UnknownMnemonics:
        return PumpProtocol::replyLine(unknownMnemonic, value);
    case PumpFault::LowerCase:
        return PumpProtocol::lowerCased(PumpProtocol::replyLine(command.mnemonic, value));
    default:
        return PumpProtocol::replyLine(command.mnemonic, value);
    }
}

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

} // namespace ReplyShaping

HeldReplies::HeldReplies(QObject *parent)
    : QObject(parent)
{
    flushTimer.setSingleShot(true);
    flushTimer.setTimerType(Qt::PreciseTimer);
    flushTimer.setInterval(joinedReplyFlushMs);
    connect(&flushTimer, &QTimer::timeout, this, &HeldReplies::flush);
}

void HeldReplies::add(const ReplyTarget &target, const QByteArray &line)
{
    if (target.transport != ReceivedFrame::Serial) {
        addDatagram(target, line);
    } else if (serial.isEmpty()) {
        serial = line;
    } else {
        emit send(target, serial + line);
        serial.clear();
    }

    if (serial.isEmpty() && datagram.isEmpty())
        flushTimer.stop();
    else if (!flushTimer.isActive())
        flushTimer.start();
}

void HeldReplies::addDatagram(const ReplyTarget &target, const QByteArray &line)
{
    if (datagram.isEmpty()) {
        datagram = line;
        datagramTarget = target;
    } else if (datagramTarget.address.isEqual(target.address)
               && datagramTarget.port == target.port) {
        emit send(target, datagram + line);
        datagram.clear();
    } else {
        // Another peer asked: the held reply cannot ride along, so it goes alone.
        emit send(datagramTarget, datagram);
        datagram = line;
        datagramTarget = target;
    }
}

void HeldReplies::flush()
{
    if (!datagram.isEmpty()) {
        emit send(datagramTarget, datagram);
        datagram.clear();
    }
    if (!serial.isEmpty()) {
        ReplyTarget target;
        target.transport = ReceivedFrame::Serial;
        emit send(target, serial);
        serial.clear();
    }
}

void HeldReplies::drop()
{
    datagram.clear();
    serial.clear();
    flushTimer.stop();
}
