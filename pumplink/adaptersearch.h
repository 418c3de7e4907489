#ifndef ADAPTERSEARCH_H
#define ADAPTERSEARCH_H

#include "pumpadapter.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QVector>

#include <map>
#include <memory>

class QNetworkDatagram;
class QUdpSocket;

// The search through every network adapter, one piece for the windows and pumpctl.
//
// The limited broadcast of an untied socket leaves only through the adapter that
// holds the route to it, and a pump drops a directed broadcast for a network it is
// not in, so a pump alone on a cable at a foreign address hears neither. Beside the
// untied socket's broadcast, the identity query therefore goes out as a limited
// broadcast through every other adapter, from a socket tied to it; that socket then
// also carries whatever else that adapter's pumps are sent. A pump that answers
// through two queries is heard once.
class AdapterSearch : public QObject
{
    Q_OBJECT

public:
    explicit AdapterSearch(QObject *parent = nullptr);
    ~AdapterSearch() override;

    // Searches, reads and writes through `adapter` alone from now on (null: every
    // adapter, as by default).
    void restrictTo(const PumpAdapter &adapter);

    // Sends one identity query through every adapter: from `untied`, which must be
    // bound, to the limited broadcast, and through each adapter that broadcast does
    // not leave by from its tied socket. Forgets the answers of the search before.
    void search(QUdpSocket &untied);
    // The adapter an answer that came to the untied socket arrived on; null for
    // loopback or an adapter the last search did not know.
    PumpAdapter adapterOf(const QNetworkDatagram &datagram) const;
    // False when `sender` already gave this `answer` through another adapter's query
    // during this search (`adapterName` empty for the untied socket): the same pump,
    // heard twice.
    bool isFirstAnswer(const QHostAddress &sender, const QByteArray &answer,
                       const QString &adapterName);

    // Whether the last search went out through more than the untied socket's one
    // broadcast. Where it did not (a computer of one adapter), a window behaves
    // exactly as it always has.
    bool wentThroughSeveralAdapters() const { return severalQueries; }

    // The socket tied to the adapter of that system name, tied now if need be; null
    // when there is no such adapter or the system refuses to tie a socket to it.
    QUdpSocket *socketFor(const QString &adapterName);
    // Closes every tied socket.
    void close();

signals:
    // A datagram on an adapter's tied socket.
    void datagramReceived(const QNetworkDatagram &datagram, const PumpAdapter &adapter);
    // The system would not tie a socket to `adapter`; the pumps of its network still
    // hear the query through its directed broadcast.
    void adapterRefused(const PumpAdapter &adapter, const QString &reason);

private:
    struct Tied;

    QUdpSocket *tiedSocket(const PumpAdapter &adapter);
    void sendDirected(QUdpSocket &untied, const PumpAdapter &adapter);

    std::map<QString, std::unique_ptr<Tied>> tied;
    QVector<PumpAdapter> adapters;
    PumpAdapter only;
    // While a search went through more than one query: who answered what, and where.
    QHash<QString, QString> answeredThrough;
    bool severalQueries = false;
};

#endif // ADAPTERSEARCH_H
