#ifndef PUMPSIMULATOR_H
#define PUMPSIMULATOR_H

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVector>

// Ways a simulated pump can misbehave, to prove the tools stay calm.
enum class PumpFault {
    None,
    Silent, // answers nothing at all
    LowerCase, // answers in lower case
    SplitReplies, // sends every reply in several pieces (serial: chunks; UDP: datagrams)
    JoinReplies, // sends two replies in one chunk/datagram (holds one back)
    UnknownMnemonics, // answers with a mnemonic the tools do not know
    EchoQueries, // sends each query frame back unchanged
};

// How a pump states its name and address in its identity reply.
enum class IdentityForm {
    AddressAfterAt, // "<name> @ <address> <rest>"
    BrandWordAndAt, // "BRAND <name> AT <address> <rest>"
};

struct SimulatedPumpConfig
{
    QString name; // at least 17 characters for a listable pump
    QHostAddress address; // 127.0.0.x; the pump's UDP socket binds here, port 58765
    IdentityForm identityForm = IdentityForm::AddressAfterAt;
    QByteArray identityOverride; // when not empty, sent verbatim as the identity value
    QMap<QByteArray, QByteArray> settings; // mnemonic -> value text, e.g. "NAM" -> "DHCP"
    // A pump that refuses a setting: on a save, a mnemonic listed here is stored with
    // this value, whatever was written (mnemonic -> value text).
    QMap<QByteArray, QByteArray> storesInstead;
    // Settings whose queries this pump never answers, though it holds them.
    QList<QByteArray> mutedQueries;
};

// One frame as the pump received it.
struct ReceivedFrame
{
    enum Transport { Udp, Serial };
    qint64 steadyNs = 0; // std::chrono::steady_clock time of arrival, in ns
    Transport transport = Udp;
    int pump = -1; // index of the pump that received it; -1: the broadcast socket
    QByteArray bytes; // UDP: the whole datagram; serial: STX..first CR
    QHostAddress sender; // UDP only
    quint16 senderPort = 0; // UDP only
};

// Pumps that answer the tools' protocol over UDP on loopback and on a
// pseudo-terminal. It lives on one thread; use it only from there (tests run it
// on a thread of their own through PumpSimulatorThread).
//
// A query is answered when its mnemonic is "NID" or one of the pump's settings;
// other queries get no answer. A set frame, for any mnemonic, is acknowledged
// with its value and kept pending until the save frame "NSV", which stores it
// and leaves the pump deaf for the restart time (frames are still recorded).
// A saved "Static" assignment with a new loopback "NIP" moves the pump there.
class PumpSimulator : public QObject
{
    Q_OBJECT

public:
    explicit PumpSimulator(QObject *parent = nullptr);
    ~PumpSimulator() override;

    // Adds a pump; returns its index, or -1 when its UDP socket cannot be bound.
    int addPump(const SimulatedPumpConfig &config);
    int pumpCount() const;

    // Binds the wildcard socket that hears identity broadcasts on port 58765.
    // Everything it receives is recorded with pump -1; an identity query sent to
    // the broadcast address is answered by every pump that is not silent or restarting.
    bool listenForBroadcasts();

    // Serves pump `pump` on a new pseudo-terminal; returns the terminal's path
    // (e.g. /dev/pts/7), which a tool opens as its serial port, or "" on failure.
    QString openSerialLine(int pump);
    // Closes the terminal's controlling side, as when a cable is pulled.
    void closeSerialLine();

    void setFault(int pump, PumpFault fault);
    void setRestartMs(int ms); // silence after a save frame (default 0)
    void setReplyDelayMs(int ms); // delay before each answer (default 0)
    // Every pump drops this share of its answers to settings queries, as a lossy
    // link would, drawn from a generator seeded with `seed` so a run can be
    // repeated. Identity answers and the acknowledgements of set frames are kept.
    void setLoss(double percent, quint32 seed = 1);

    QMap<QByteArray, QByteArray> settings(int pump) const;
    QHostAddress address(int pump) const; // changes when a save gives a new static loopback address
    QVector<ReceivedFrame> frames() const;
    QByteArray serialBytes() const; // every byte received on the terminal, in order
    void clearFrames(); // forgets the frames and the serial bytes

    // Sends `count` junk datagrams from pump's socket to the given peer.
    void floodJunk(int pump, const QHostAddress &peer, quint16 port, int count);

signals:
    void frameReceived(ReceivedFrame frame);

private:
    struct Private;
    Private *d;
};

Q_DECLARE_METATYPE(ReceivedFrame)

#endif // PUMPSIMULATOR_H
