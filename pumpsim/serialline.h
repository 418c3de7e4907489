#ifndef SERIALLINE_H
#define SERIALLINE_H

#include "pumpprotocol.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// One pump's serial line on a pseudo-terminal: the tool opens the terminal's path as
// its serial port, the pump reads and writes the controlling side. Replies leave
// piece by piece, a few milliseconds apart, in the order they were sent.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    explicit SerialLine(QObject *parent = nullptr);
    ~SerialLine() override;

    // Serves `pump` on a new terminal; returns its path (e.g. /dev/pts/7), or "".
    QString open(int pump);
    // Closes the controlling side, as when a cable is pulled.
    void close();
    // The pump the line serves; -1 while closed.
    int pump() const { return servedPump; }

    void send(const QByteArrayList &pieces);
    // Every byte received, in order, across openings.
    QByteArray receivedBytes() const { return received; }
    void clearReceivedBytes() { received.clear(); }

signals:
    // One STX ... CR frame as the pump's line reader cuts it.
    void frameReceived(const QByteArray &frame);

private:
    void readAvailable();
    void writeNextPiece();
    void writeNow(const QByteArray &bytes);

    int servedPump = -1;
    int masterFd = -1;
    int slaveFd = -1;
    QSocketNotifier *notifier = nullptr;
    SerialReplyFramer framer;
    QByteArray received;
    QByteArrayList queue;
    QTimer paceTimer;
};

#endif // SERIALLINE_H
