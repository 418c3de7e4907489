#include "pumpprotocol.h"

namespace PumpProtocol {

namespace {

QByteArray withValue(const QByteArray &mnemonic, const QByteArray &value)
{
    QByteArray frame;
    frame.reserve(mnemonic.size() + value.size() + 3);
    frame.append(stx).append(mnemonic).append(',').append(value).append(cr);
    return frame;
}

// Only ASCII letters change, so UTF-8 values and the control bytes stay intact.
QByteArray caseFolded(QByteArray line, char first, char last, char target)
{
    for (char &byte : line) {
        if (byte >= first && byte <= last)
            byte = static_cast<char>(byte - first + target);
    }
    return line;
}

} // namespace

QByteArray queryFrame(const char *mnemonic)
{
    QByteArray frame;
    frame.reserve(5);
    frame.append(stx).append(mnemonic).append(cr);
    return frame;
}

QByteArray setFrame(const char *mnemonic, const QString &value)
{
    // The value goes out exactly as held: a comma or CR inside it is the
    // technician's text, and the pump ends the frame at the first CR it sees.
    return withValue(QByteArray(mnemonic), value.toUtf8());
}

QByteArray saveFrame() { return queryFrame(saveMnemonic); }

QByteArray identityQueryFrame() { return queryFrame(identityMnemonic); }

QByteArray replyLine(const QByteArray &mnemonic, const QByteArray &value)
{
    return withValue(mnemonic, value);
}

Command splitCommand(const QByteArray &frame)
{
    Command command;
    if (frame.size() < 5 || frame.at(0) != stx)
        return command;
    if (frame.at(4) == cr) {
        command.kind = Command::Query;
    } else if (frame.at(4) == ',') {
        const int end = frame.indexOf(cr, 5);
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

QByteArray upperCased(QByteArray line) { return caseFolded(line, 'a', 'z', 'A'); }

QByteArray lowerCased(QByteArray line) { return caseFolded(line, 'A', 'Z', 'a'); }

bool isReply(const QByteArray &line) { return line.size() > 4; }

Reply splitReply(const QByteArray &line)
{
    Reply reply;
    if (!isReply(line))
        return reply;
    reply.mnemonic = line.mid(1, 3);
    // A five-byte line (an echoed query, say) ends where the value would start.
    reply.hasValue = line.size() >= minimumReplyWithValue;
    if (reply.hasValue)
        reply.value = line.mid(5, line.size() - 6);
    return reply;
}

} // namespace PumpProtocol

QVector<QByteArray> SerialReplyFramer::feed(const QByteArray &chunk)
{
    QVector<QByteArray> replies;
    for (const char byte : chunk) {
        if (byte == PumpProtocol::stx) {
            // A new STX always starts a new reply; an unfinished one before it is lost.
            pending = QByteArray(1, byte);
        } else if (!pending.isEmpty()) {
            pending.append(byte);
            if (byte == PumpProtocol::cr) {
                replies.append(pending);
                pending.clear();
            } else if (pending.size() >= maximumReplyLength) {
                pending.clear();
            }
        }
    }
    return replies;
}

void SerialReplyFramer::clear() { pending.clear(); }
