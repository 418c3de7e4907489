#ifndef PUMPPROTOCOL_H
#define PUMPPROTOCOL_H

#include <QByteArray>
#include <QString>
#include <QVector>

// The pump's line protocol: every command is STX, a three-letter mnemonic, an
// optional "," and value, and CR; every reply repeats the mnemonic behind one lead
// character and carries its value between a separator and the final CR.
namespace PumpProtocol {

constexpr char stx = 0x02;
constexpr char cr = 0x0d;
constexpr quint16 pumpPort = 58765;

// Over Ethernet a pump takes one frame every 100 ms: the pause after each frame of
// a read or write sequence but the save frame.
constexpr int framePauseMs = 100;

// The identity query and the save command; every other mnemonic is a setting's.
constexpr char identityMnemonic[] = "NID";
constexpr char saveMnemonic[] = "NSV";

// Shortest complete reply that still carries a value: lead, mnemonic, separator, CR.
constexpr int minimumReplyWithValue = 6;

QByteArray queryFrame(const char *mnemonic);
QByteArray setFrame(const char *mnemonic, const QString &value);
QByteArray saveFrame();
QByteArray identityQueryFrame();

// A reply as a pump sends it: STX, the mnemonic, ",", the value bytes as they are
// and CR. It has the shape of a set frame; only the direction differs.
QByteArray replyLine(const QByteArray &mnemonic, const QByteArray &value);

// A command frame taken apart as a pump reads it: a query (STX, mnemonic, CR) or a
// set (STX, mnemonic, ",", value, CR). The value ends at the first CR, as on the
// pump's own line reader; whatever follows it is not part of the command.
struct Command
{
    enum Kind { Invalid, Query, Set };
    Kind kind = Invalid;
    QByteArray mnemonic;
    QByteArray value;
};

Command splitCommand(const QByteArray &frame);

// Pumps answer in any case; only ASCII letters are folded so that UTF-8 values
// pass through byte for byte.
QByteArray upperCased(QByteArray line);
QByteArray lowerCased(QByteArray line);

// A reply line taken apart: the mnemonic at positions 1 to 3 and the value between
// the separator at position 4 and the last byte.
struct Reply
{
    QByteArray mnemonic;
    QByteArray value;
    bool hasValue = false;
};

// Lines of four bytes or fewer carry no mnemonic and are not replies at all.
bool isReply(const QByteArray &line);
Reply splitReply(const QByteArray &line);

} // namespace PumpProtocol

// Cuts a serial byte stream into STX ... CR replies, however the bytes are chunked.
// Bytes outside a reply are dropped, and a reply that never ends is abandoned once
// it exceeds maximumReplyLength, so a babbling line cannot grow memory.
class SerialReplyFramer
{
public:
    static constexpr int maximumReplyLength = 1024;

    QVector<QByteArray> feed(const QByteArray &chunk);
    void clear();
    bool isInsideReply() const { return !pending.isEmpty(); }

private:
    QByteArray pending;
};

#endif // PUMPPROTOCOL_H
