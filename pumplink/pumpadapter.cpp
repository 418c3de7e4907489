#include "pumpadapter.h"

#include "adapterbinding.h"
#include "ipv4address.h"

#include <QNetworkInterface>
#include <QUdpSocket>

namespace {

const QChar scopeMark = QLatin1Char('%');

quint32 netmaskOf(int prefixLength)
{
    return prefixLength <= 0 ? 0 : quint32(0xffffffffULL << (32 - qMin(prefixLength, 32)));
}

// The first IPv4 address the adapter holds, or a null entry.
QNetworkAddressEntry ipv4EntryOf(const QNetworkInterface &interface)
{
    const QList<QNetworkAddressEntry> entries = interface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries) {
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
            return entry;
    }
    return QNetworkAddressEntry();
}

PumpAdapter adapterFrom(const QNetworkInterface &interface, const QNetworkAddressEntry &entry)
{
    PumpAdapter adapter;
    adapter.name = interface.name();
    adapter.displayName = interface.humanReadableName();
    adapter.index = interface.index();
    adapter.address = entry.ip();
    adapter.prefixLength = entry.prefixLength();
    return adapter;
}

// An address in the pump's network for the adapter to take, never the pump's own.
QString addressBeside(const QHostAddress &pump)
{
    const quint32 host = pump.toIPv4Address();
    const quint32 suggested = (host & 0xffffff00u) | ((host & 0xffu) == 250 ? 251u : 250u);
    return QHostAddress(suggested).toString() + QStringLiteral("/24");
}

} // namespace

QString PumpAdapter::label() const
{
    if (isNull())
        return QString();
    if (address.isNull())
        return displayName;
    return displayName + QLatin1Char(' ') + ownAddress();
}

QString PumpAdapter::ownAddress() const
{
    return QStringLiteral("%1/%2").arg(address.toString()).arg(prefixLength);
}

QString PumpAdapter::network() const
{
    const quint32 base = address.toIPv4Address() & netmaskOf(prefixLength);
    return QStringLiteral("%1/%2").arg(QHostAddress(base).toString()).arg(prefixLength);
}

bool PumpAdapter::reaches(const QHostAddress &pump) const
{
    if (address.isNull() || pump.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    const quint32 mask = netmaskOf(prefixLength);
    return (pump.toIPv4Address() & mask) == (address.toIPv4Address() & mask);
}

namespace PumpAdapters {

QVector<PumpAdapter> broadcastAdapters()
{
    QVector<PumpAdapter> adapters;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::CanBroadcast)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const QNetworkAddressEntry entry = ipv4EntryOf(interface);
        if (!entry.ip().isNull())
            adapters.append(adapterFrom(interface, entry));
    }
    return adapters;
}

PumpAdapter byIndex(const QVector<PumpAdapter> &adapters, int index)
{
    for (const PumpAdapter &adapter : adapters) {
        if (adapter.index == index)
            return adapter;
    }
    return PumpAdapter();
}

PumpAdapter byName(const QVector<PumpAdapter> &adapters, const QString &name)
{
    for (const PumpAdapter &adapter : adapters) {
        if (adapter.name == name || adapter.displayName == name)
            return adapter;
    }
    return PumpAdapter();
}

QString nameList(const QVector<PumpAdapter> &adapters)
{
    QStringList names;
    for (const PumpAdapter &adapter : adapters)
        names.append(adapter.label());
    return names.join(QLatin1String(", "));
}

QString scopedWhere(const QString &address, const QString &adapterName)
{
    return adapterName.isEmpty() ? address : address + scopeMark + adapterName;
}

QString addressOf(const QString &where) { return where.section(scopeMark, 0, 0); }

QString adapterNameOf(const QString &where)
{
    const int mark = where.indexOf(scopeMark);
    return mark < 0 ? QString() : where.mid(mark + 1);
}

QString movedTo(const QString &where, const QString &newAddress)
{
    return scopedWhere(newAddress, adapterNameOf(where));
}

QString whySilent(const QString &where)
{
    const QString name = adapterNameOf(where);
    if (name.isEmpty())
        return QString();
    const QHostAddress pump(addressOf(where));
    const QNetworkInterface interface = QNetworkInterface::interfaceFromName(name);
    if (!interface.isValid())
        return QStringLiteral("adapter %1 is gone").arg(name);
    const QString shown = interface.humanReadableName();
    if (!interface.flags().testFlag(QNetworkInterface::IsUp))
        return QStringLiteral("adapter %1 went down").arg(shown);
    const QNetworkAddressEntry entry = ipv4EntryOf(interface);
    if (entry.ip().isNull())
        return QStringLiteral("adapter %1 has lost its IPv4 address").arg(shown);
    const PumpAdapter adapter = adapterFrom(interface, entry);
    const QString refusal = AdapterBinding::refusal(adapter);
    if (!refusal.isNull() && !adapter.reaches(pump))
        return QStringLiteral("%1; %2 lies outside %3's network %4: give %3 an address in the "
                              "pump's network, for example %5, then search again")
            .arg(refusal, plainAddress(pump), shown, adapter.network(), addressBeside(pump));
    return refusal;
}

} // namespace PumpAdapters
