#include "pumpdirectory.h"

#include "fleetlink.h"
#include "identity.h"
#include "ipv4address.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTimer>

#include <algorithm>

PumpDirectory::PumpDirectory(FleetLink &link, QObject *parent)
    : QObject(parent)
    , link(link)
{
    connect(&link, &FleetLink::identityReceived, this, &PumpDirectory::takeIdentity);
}

void PumpDirectory::search(int waitMs, const QStringList &wanted, bool onePump)
{
    searched = true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto enough = [&] {
        if (onePump)
            return !found.isEmpty();
        if (wanted.isEmpty())
            return false;
        for (const QString &name : wanted) {
            if (!findByName(name))
                return false;
        }
        return true;
    };
    const QMetaObject::Connection stopEarly = connect(this, &PumpDirectory::pumpFound, &loop, [&] {
        if (enough())
            loop.quit();
    });
    link.search();
    deadline.start(waitMs);
    loop.exec();
    disconnect(stopEarly);
}

void PumpDirectory::takeIdentity(const QString &where, const QByteArray &text)
{
    PumpIdentity identity;
    if (!cutIdentity(text, &identity)) {
        unusable.append(QString::fromUtf8(text));
        return;
    }
    const QString name = QString::fromStdString(identity.name);
    if (findByName(name))
        return;
    FoundPump pump { name, QString::fromStdString(identity.address), QString::fromUtf8(text),
                     where };
    // On Ethernet the link reaches the pump where its identity says it is, as a window
    // does once the pump is selected.
    const QString address = addressIn(pump.address);
    if (!address.isNull() && !QHostAddress(where).isNull())
        pump.where = address;
    found.append(pump);
    emit pumpFound(pump);
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

const FoundPump *PumpDirectory::findByName(const QString &name) const
{
    // Pumps answer in any case and the link upper-cases every answer.
    const QString wanted = name.toUpper();
    for (const FoundPump &pump : found) {
        if (pump.name == wanted || pump.name.trimmed() == wanted.trimmed())
            return &pump;
    }
    return nullptr;
}

const FoundPump *PumpDirectory::findByAddress(const QString &address) const
{
    for (const FoundPump &pump : found) {
        if (addressIn(pump.address) == address)
            return &pump;
    }
    return nullptr;
}

QVector<PumpTarget> PumpDirectory::resolve(const QStringList &names, QStringList *unknown) const
{
    QVector<PumpTarget> targets;
    QStringList seen;
    for (const QString &given : names) {
        PumpTarget target;
        const QString address = addressIn(given);
        const FoundPump *pump = address.isNull() ? findByName(given) : findByAddress(address);
        if (pump) {
            target = { pump->name, pump->address, pump->where };
        } else if (!address.isNull()) {
            target = { QString(), address, address };
        } else {
            unknown->append(given);
            continue;
        }
        if (seen.contains(target.where))
            continue;
        seen.append(target.where);
        targets.append(target);
    }
    return targets;
}

QVector<PumpTarget> PumpDirectory::everyPump() const
{
    QVector<PumpTarget> targets;
    for (const FoundPump &pump : pumps())
        targets.append({ pump.name, pump.address, pump.where });
    return targets;
}
