#ifndef FLEETLINK_H
#define FLEETLINK_H

#include "programprofile.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

// "pump.fleet", the one category of the fleet's diagnostic lines, the link's and those
// of the readers that drive it: a thousand pumps make tens of thousands of lines, and
// a quiet run does not even format them.
Q_DECLARE_LOGGING_CATEGORY(fleetCategory)

// Many pumps at once, from one transport on the event loop: every pump's read or
// write sequence is paced as a window paces its one pump (one frame every
// PumpProtocol::framePauseMs over Ethernet; on a serial line the next frame as
// soon as the pump answered, at the latest after 200 ms), and every reply is routed
// to its pump by where it came from. A thousand sequences in flight cost one timer
// and one socket, not a thread each.
//
// A pump is named by `where`: its IP address literal on Ethernet. A serial line
// carries one pump: whatever `where` a sequence is queued for, it goes down the line,
// and every signal names that pump by the port name given to openSerial.
//
// Replies are taken as the windows take them: a pump's answers count while its read
// runs and afterwards, and are dropped from the start of its write (they only echo
// what was sent) until its next read.
class FleetLink : public QObject
{
    Q_OBJECT

public:
    explicit FleetLink(const ProgramProfile &profile, QObject *parent = nullptr);
    ~FleetLink() override;

    // Binds one UDP socket to a port the system picks. False when it cannot.
    bool openEthernet();
    // Opens the serial line at 115200 8N1, no flow control. `port` is a name as the
    // windows list it ("ttyUSB0") or a device path ("/dev/ttyUSB0"). False when it
    // cannot be opened; errorString() then says why.
    bool openSerial(const QString &port);
    QString errorString() const;
    // The UDP port the pumps answer to; 0 before openEthernet.
    quint16 localPort() const;

    // The identity query: on Ethernet to the limited broadcast and the directed
    // broadcast of every other adapter, as the windows search; on a serial line down
    // the line. Answers arrive as identityReceived until the next search or close.
    void search();

    // Queues the profile's read sequence for one pump; it starts on the next turn of
    // the event loop unless that pump already has a sequence in flight, which it then
    // follows. No signal is emitted from inside these calls.
    void read(const QString &where);
    // The same for only some of the profile's settings (indexes into settings()),
    // queried in the profile's order: to ask again what a pump left unanswered.
    void read(const QString &where, const QVector<int> &settingIndexes);
    // Queues the write sequence: one set frame per setting of the profile, `values`
    // in the profile's order and sent exactly as given, then the save frame.
    void write(const QString &where, const QStringList &values);

    // After an interruption: sequences not yet started never start, nor do any queued
    // later; those already on the wire run to their last frame (a pump never gets half
    // a write and no save).
    void stopStarting();
    // Sequences queued or running.
    int pendingSequences() const;

signals:
    // A pump's identity text, upper-cased as every reply is, from `where`.
    void identityReceived(const QString &where, const QByteArray &text);
    // A pump's answer to one of the profile's settings.
    void settingReceived(const QString &where, int settingIndex, const QString &value);
    // A sequence's last frame has left (for a write: the save frame). `started` is
    // false for a sequence that never sent a frame: dropped by stopStarting, queued
    // on a link that is not open, or for `where` that is no IP address. A serial
    // line lost mid-sequence ends it as started, its remaining frames unsent.
    void sequenceFinished(const QString &where, bool started);
    // Nothing is queued or running any more.
    void idle();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

#endif // FLEETLINK_H
