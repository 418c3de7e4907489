#ifndef FLEETLINK_H
#define FLEETLINK_H

#include "programprofile.h"
#include "pumpadapter.h"

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
// A pump is named by `where`: its IP address literal on Ethernet, followed by "%" and
// the system's name of the adapter it is reached through when it answered a search
// on one ("198.19.7.7%cable0", see PumpAdapters::scopedWhere); its frames then leave
// through that adapter even when its address lies outside the adapter's network.
// Without an adapter, the routing table picks the way. A serial line
// carries one pump: whatever `where` a sequence is queued for, it goes down the line,
// and every signal names that pump by the port name given to openSerial.
//
// Replies are taken as the windows take them: a pump's answers count while its read
// runs and afterwards, and are dropped from the start of its write (they only echo
// what was sent) until its next read.
class PumpRequest;

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
    // Searches through `adapter` alone, and reaches every pump through it (null: every
    // adapter, the default).
    void restrictToAdapter(const PumpAdapter &adapter);
    QString errorString() const;
    // The UDP port the pumps answer to; 0 before openEthernet.
    quint16 localPort() const;

    // The identity query: on Ethernet to the limited broadcast and through every other
    // adapter, as the windows search (AdapterSearch); on a serial line down the line.
    // Answers arrive as identityReceived until the next search or close, each pump
    // once, its `where` naming the adapter it answered on.
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

    // read() and write() with a request of their own, whose signals concern that pump
    // and that sequence alone; `owner` (or the caller) deletes it.
    PumpRequest *readPump(const QString &where, QObject *owner = nullptr);
    PumpRequest *readPump(const QString &where, const QVector<int> &settingIndexes,
                          QObject *owner = nullptr);
    PumpRequest *writePump(const QString &where, const QStringList &values,
                           QObject *owner = nullptr);

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
    // A sequence's first frame is about to leave.
    void sequenceStarted(const QString &where);
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
