#include "adaptersearch.h"

#include "adapterbinding.h"
#include "ipv4address.h"
#include "pumpdatagrams.h"
#include "pumpprotocol.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

struct AdapterSearch::Tied
{
    PumpAdapter adapter;
    QUdpSocket socket;
};

AdapterSearch::AdapterSearch(QObject *parent)
    : QObject(parent)
{ }

AdapterSearch::~AdapterSearch() = default;

void AdapterSearch::restrictTo(const PumpAdapter &adapter)
{
    only = adapter;
    close();
}

void AdapterSearch::search(QUdpSocket &untied)
{
    const QByteArray query = PumpProtocol::identityQueryFrame();
    answeredThrough.clear();
    adapters = PumpAdapters::broadcastAdapters();
    PumpAdapter skipped;
    int queries = 0;
    if (only.isNull()) {
        untied.writeDatagram(query, QHostAddress(QHostAddress::Broadcast), PumpProtocol::pumpPort);
        ++queries;
        // Where the untied broadcast leaves, a second query would only bring every
        // answer twice.
        if (!adapters.isEmpty())
            skipped = AdapterBinding::limitedBroadcastAdapter(adapters);
    }
    for (const PumpAdapter &adapter : qAsConst(adapters)) {
        if (adapter.name == skipped.name || (!only.isNull() && adapter.name != only.name))
            continue;
        ++queries;
        if (QUdpSocket *socket = tiedSocket(adapter))
            socket->writeDatagram(query, QHostAddress(QHostAddress::Broadcast),
                                  PumpProtocol::pumpPort);
        else if (only.isNull())
            sendDirected(untied, adapter);
    }
    severalQueries = queries > 1;
}

// Where no socket can be tied to the adapter, its directed broadcast reaches at
// least the pumps in its network, as searches always did.
void AdapterSearch::sendDirected(QUdpSocket &untied, const PumpAdapter &adapter)
{
    const quint32 host = adapter.address.toIPv4Address();
    const quint32 mask = adapter.prefixLength <= 0
        ? 0
        : quint32(0xffffffffULL << (32 - qMin(adapter.prefixLength, 32)));
    untied.writeDatagram(PumpProtocol::identityQueryFrame(), QHostAddress(host | ~mask),
                         PumpProtocol::pumpPort);
}

PumpAdapter AdapterSearch::adapterOf(const QNetworkDatagram &datagram) const
{
    if (adapters.isEmpty())
        return PumpAdapter();
    return PumpAdapters::byIndex(adapters, int(datagram.interfaceIndex()));
}

bool AdapterSearch::isFirstAnswer(const QHostAddress &sender, const QByteArray &answer,
                                  const QString &adapterName)
{
    if (!severalQueries)
        return true;
    const QString key
        = plainAddress(sender) + QLatin1Char(' ') + QString::fromLatin1(answer.toHex());
    const auto it = answeredThrough.constFind(key);
    if (it == answeredThrough.constEnd()) {
        answeredThrough.insert(key, adapterName);
        return true;
    }
    return it.value() == adapterName;
}

QUdpSocket *AdapterSearch::socketFor(const QString &adapterName)
{
    const auto it = tied.find(adapterName);
    if (it != tied.end())
        return &it->second->socket;
    if (adapters.isEmpty())
        adapters = PumpAdapters::broadcastAdapters();
    const PumpAdapter adapter = PumpAdapters::byName(adapters, adapterName);
    return adapter.isNull() ? nullptr : tiedSocket(adapter);
}

QUdpSocket *AdapterSearch::tiedSocket(const PumpAdapter &adapter)
{
    const auto it = tied.find(adapter.name);
    if (it != tied.end())
        return &it->second->socket;
    auto entry = std::make_unique<Tied>();
    entry->adapter = adapter;
    QString reason;
    if (!AdapterBinding::tie(entry->socket, adapter, &reason)) {
        emit adapterRefused(adapter, reason);
        return nullptr;
    }
    PumpDatagrams::enlargeReceiveBuffer(entry->socket);
    Tied *raw = entry.get();
    connect(&raw->socket, &QUdpSocket::readyRead, this, [this, raw] {
        PumpDatagrams::drain(raw->socket, [this, raw](const QNetworkDatagram &datagram) {
            emit datagramReceived(datagram, raw->adapter);
        });
    });
    tied.emplace(adapter.name, std::move(entry));
    return &raw->socket;
}

void AdapterSearch::close() { tied.clear(); }
