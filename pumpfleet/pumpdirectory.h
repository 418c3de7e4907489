#ifndef PUMPDIRECTORY_H
#define PUMPDIRECTORY_H

#include "pumpadapter.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

class FleetLink;

// A pump a command works on: as it answered the search, or as the technician gave
// its address.
struct FoundPump
{
    QString name; // empty when the pump was given by address and not searched for
    QString address;
    QString identity; // empty when not searched for
    // Where the link reaches it: its address on Ethernet (with the adapter it answered
    // on, see FleetLink), the port on a serial line.
    QString where;
    // The adapter it answered on; null on loopback, on a serial line or when not
    // searched for.
    PumpAdapter adapter = PumpAdapter();

    // How results name the pump: by its name when known, else by its address.
    QString label() const { return name.isEmpty() ? address : name; }
};

// The pumps one search found, with the windows' rules: an identity that cannot be
// cut into a name and an address is skipped, and a name already listed is not
// listed again. Resolves the names and addresses a technician gives against them.
class PumpDirectory : public QObject
{
    Q_OBJECT

public:
    explicit PumpDirectory(FleetLink &link, QObject *parent = nullptr);

    // Sends one search and listens for `waitMs`, then emits finished(); sooner once
    // every pump in `wanted` (names or addresses) has answered, or, with `onePump`
    // (a serial line), once its pump has.
    void search(int waitMs, const QStringList &wanted = QStringList(), bool onePump = false);
    // In order of address.
    QVector<FoundPump> pumps() const;
    // The identities that could not be cut, as received.
    QStringList unusableIdentities() const { return unusable; }

    // An IPv4 address as the windows' forms take it, leading zeros dropped; null when
    // `text` is none (and so names a pump).
    static QString addressIn(const QString &text);

    // The pump that answered to `pump` (a name or an address), or null.
    const FoundPump *find(const QString &pump) const;
    // The pumps named by `names` (names or addresses), each once, in the order given.
    // A name nobody answered to goes to `unknown`; an address nobody answered from is
    // reached through `adapterName` when given, else wherever the routing table leads.
    QVector<FoundPump> resolve(const QStringList &names, QStringList *unknown,
                               const QString &adapterName = QString()) const;

signals:
    // A pump answered the search for the first time; `count` pumps have so far.
    void pumpFound(const FoundPump &pump, int count);
    void finished();

private:
    void takeIdentity(const QString &where, const QByteArray &text);
    void stopListening();

    FleetLink &link;
    QTimer wait;
    QVector<FoundPump> found;
    // Pumps answer in any case and the link upper-cases every answer.
    QHash<QString, int> foundByName;
    QHash<QString, int> foundByAddress;
    QSet<QString> missingNames;
    QSet<QString> missingAddresses;
    QStringList unusable;
    QVector<PumpAdapter> adapters;
    bool listening = false;
    bool endsOnFirst = false;
};

#endif // PUMPDIRECTORY_H
