#include "pumpdirectory.h"

#include "console.h"
#include "fleetlink.h"
#include "identity.h"
#include "ipv4address.h"

#include <QHostAddress>

#include <algorithm>

namespace {

QString nameKey(const QString &name) { return name.trimmed().toUpper(); }

} // namespace

PumpDirectory::PumpDirectory(FleetLink &link, QObject *parent)
    : QObject(parent)
    , link(link)
{
    wait.setSingleShot(true);
    connect(&link, &FleetLink::identityReceived, this, &PumpDirectory::takeIdentity);
    connect(&wait, &QTimer::timeout, this, &PumpDirectory::stopListening);
}

void PumpDirectory::search(int waitMs, const QStringList &wanted, bool onePump)
{
    missingNames.clear();
    missingAddresses.clear();
    for (const QString &pump : wanted) {
        const QString address = addressIn(pump);
        if (address.isNull())
            missingNames.insert(nameKey(pump));
        else
            missingAddresses.insert(address);
    }
    endsOnFirst = onePump;
    listening = true;
    adapters = PumpAdapters::broadcastAdapters();
    link.search();
    wait.start(waitMs);
}

void PumpDirectory::searchShowingProgress(int waitMs, const QStringList &wanted, bool onePump)
{
    showsProgress = true;
    Console::showProgress(QStringLiteral("searching"));
    search(waitMs, wanted, onePump);
}

void PumpDirectory::stopListening()
{
    wait.stop();
    listening = false;
    if (showsProgress)
        reportSearch();
    emit finished();
}

void PumpDirectory::reportSearch()
{
    showsProgress = false;
    Console::clearProgress();
    for (const QString &identity : qAsConst(unusable))
        Console::printProblem(
            QStringLiteral("pumpctl: skipped an answer that names no pump: %1").arg(identity));
}

void PumpDirectory::takeIdentity(const QString &where, const QByteArray &text)
{
    if (!listening)
        return;
    PumpIdentity identity;
    if (!cutIdentity(text, &identity)) {
        unusable.append(QString::fromUtf8(text));
        return;
    }
    const QString name = QString::fromStdString(identity.name);
    if (foundByName.contains(nameKey(name)))
        return;
    FoundPump pump { name, QString::fromStdString(identity.address), QString::fromUtf8(text),
                     where };
    // On Ethernet the link reaches the pump where its identity says it is, as a window
    // does once the pump is selected, through the adapter it answered on.
    const QString address = addressIn(pump.address);
    const QString adapterName = PumpAdapters::adapterNameOf(where);
    if (!address.isNull() && !QHostAddress(PumpAdapters::addressOf(where)).isNull())
        pump.where = PumpAdapters::scopedWhere(address, adapterName);
    pump.adapter = PumpAdapters::byName(adapters, adapterName);
    foundByName.insert(nameKey(name), found.size());
    if (!address.isNull() && !foundByAddress.contains(address))
        foundByAddress.insert(address, found.size());
    found.append(pump);
    if (showsProgress)
        Console::showProgress(QStringLiteral("searching: %1 pumps answered").arg(found.size()));

    const bool wantedSome = !missingNames.isEmpty() || !missingAddresses.isEmpty();
    missingNames.remove(nameKey(name));
    missingAddresses.remove(address);
    if (endsOnFirst || (wantedSome && missingNames.isEmpty() && missingAddresses.isEmpty()))
        stopListening();
}

QVector<FoundPump> PumpDirectory::pumps() const
{
    QVector<FoundPump> sorted = found;
    std::stable_sort(sorted.begin(), sorted.end(), [](const FoundPump &a, const FoundPump &b) {
        const QHostAddress left(a.address);
        const QHostAddress right(b.address);
        if (left.protocol() == right.protocol() && left.toIPv4Address() != right.toIPv4Address())
            return left.toIPv4Address() < right.toIPv4Address();
        return a.name < b.name;
    });
    return sorted;
}

QString PumpDirectory::addressIn(const QString &text) { return canonicalIPv4(text.trimmed()); }

const FoundPump *PumpDirectory::find(const QString &pump) const
{
    const QString address = addressIn(pump);
    const int index = address.isNull() ? foundByName.value(nameKey(pump), -1)
                                       : foundByAddress.value(address, -1);
    return index < 0 ? nullptr : &found.at(index);
}

QVector<FoundPump> PumpDirectory::resolve(const QStringList &names, QStringList *unknown,
                                          const QString &adapterName) const
{
    QVector<FoundPump> targets;
    QSet<QString> seen;
    for (const QString &given : names) {
        FoundPump target;
        const QString address = addressIn(given);
        if (const FoundPump *pump = find(given)) {
            target = *pump;
        } else if (!address.isNull()) {
            target = { QString(), address, QString(),
                       PumpAdapters::scopedWhere(address, adapterName) };
        } else {
            unknown->append(given);
            continue;
        }
        if (seen.contains(target.where))
            continue;
        seen.insert(target.where);
        targets.append(target);
    }
    return targets;
}
