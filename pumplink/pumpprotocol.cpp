#include "pumpprotocol.h"

namespace PumpProtocol {

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
    QByteArray frame;
    frame.append(stx).append(mnemonic).append(',').append(value.toUtf8()).append(cr);
    return frame;
}

QByteArray saveFrame() { return queryFrame(saveMnemonic); }

QByteArray identityQueryFrame() { return queryFrame(identityMnemonic); }

QByteArray upperCased(QByteArray line)
{
    for (char &byte : line) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>(byte - 'a' + 'A');
    }
    return line;
}

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
