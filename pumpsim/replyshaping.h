#ifndef REPLYSHAPING_H
#define REPLYSHAPING_H

#include "pumpprotocol.h"
#include "pumpsimulator.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

// Where an answer goes: back to the datagram's sender, or onto the terminal.
struct ReplyTarget
{
    ReceivedFrame::Transport transport = ReceivedFrame::Udp;
    QHostAddress address;
    quint16 port = 0;
};

// How a misbehaving pump mangles its answers.
namespace ReplyShaping {

// The line a pump with `fault` sends when it answers `command` (received as
// `frame`) with `value`; empty when it keeps silent.
QByteArray shapedLine(PumpFault fault, const QByteArray &frame,
                      const PumpProtocol::Command &command, const QByteArray &value);

// A line cut for a pump that splits its replies: the first piece is the lead and
// mnemonic, so a reader sees a piece that starts with STX and a later one that ends
// with CR, never both in one piece.
QByteArrayList serialPieces(const QByteArray &line);
QByteArrayList datagramPieces(const QByteArray &line);

} // namespace ReplyShaping

// A pump that joins its replies holds each one back until the next comes, and
// sends the two as one chunk or datagram; a held reply that waits too long goes
// alone. One per pump, made only for pumps that join.
class HeldReplies : public QObject
{
    Q_OBJECT

public:
    explicit HeldReplies(QObject *parent = nullptr);

    void add(const ReplyTarget &target, const QByteArray &line);
    // Sends what is held, each reply alone.
    void flush();
    // Forgets what is held: a pump that restarts never sends it.
    void drop();

signals:
    void send(const ReplyTarget &target, const QByteArray &bytes);

private:
    void addDatagram(const ReplyTarget &target, const QByteArray &line);

    QByteArray datagram;
    ReplyTarget datagramTarget;
    QByteArray serial;
    QTimer flushTimer;
};

#endif // REPLYSHAPING_H
