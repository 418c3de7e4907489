#ifndef PUMPADAPTER_H
#define PUMPADAPTER_H

#include <QHostAddress>
#include <QMetaType>
#include <QString>
#include <QVector>

// One network adapter of this computer as a pump answered on it: what the system
// calls it, what the technician knows it by, and its own IPv4 address and prefix
// at that moment. A null adapter stands for loopback, a serial line, or "wherever the
// routing table leads".
struct PumpAdapter
{
    QString name; // the system's name, which a socket is tied by ("enp3s0")
    QString displayName; // as the system shows it to people ("Ethernet 2", "enp3s0")
    int index = 0;
    QHostAddress address;
    int prefixLength = -1;

    bool isNull() const { return name.isEmpty(); }
    // "cable0 198.18.2.1/24": the adapter and its own address, as results show it.
    QString label() const;
    // The adapter's own address and prefix, "198.18.2.1/24".
    QString ownAddress() const;
    // The adapter's network, "198.18.2.0/24".
    QString network() const;
    // Whether `pump` lies in the adapter's network.
    bool reaches(const QHostAddress &pump) const;
};

Q_DECLARE_METATYPE(PumpAdapter)

namespace PumpAdapters {

// Every IPv4 adapter that is up and can broadcast, loopback aside, with its first
// IPv4 address; in the system's order.
QVector<PumpAdapter> broadcastAdapters();
// Of those, the one the system numbers `index`, or the one named `name` (by its
// system name or the name people see); null when there is none.
PumpAdapter byIndex(const QVector<PumpAdapter> &adapters, int index);
PumpAdapter byName(const QVector<PumpAdapter> &adapters, const QString &name);
// "cable0, lab0 and office0" for a message.
QString nameList(const QVector<PumpAdapter> &adapters);

// A pump a link reaches through one adapter is named by its address and the adapter,
// the way an IPv6 zone is written: "198.19.7.7%cable0". Without "%" the routing
// table picks the way.
QString scopedWhere(const QString &address, const QString &adapterName);
QString addressOf(const QString &where);
QString adapterNameOf(const QString &where);
// The same pump's new address, through the same adapter.
QString movedTo(const QString &where, const QString &newAddress);

// Why a pump at `where` may stay silent through its adapter: the adapter is gone, down
// or has lost its address, or the pump lies outside its network; in plain words with
// what to set. Null when nothing is known against it.
QString whySilent(const QString &where);

} // namespace PumpAdapters

#endif // PUMPADAPTER_H
