#include "pumpfinder.h"

#include "fleetlink.h"
#include "identity.h"
#include "plan.h"

PumpFinder::PumpFinder(FleetLink *link, int waitMs, QObject *parent)
    : QObject(parent)
    , link(link)
{
    wait.setSingleShot(true);
    wait.setInterval(waitMs);
    connect(link, &FleetLink::identityReceived, this, &PumpFinder::takeIdentity);
    connect(&wait, &QTimer::timeout, this, [this] {
        listening = false;
        emit finished();
    });
}

void PumpFinder::search(const QStringList &wanted)
{
    found.clear();
    foundByKey.clear();
    missing.clear();
    for (const QString &pump : wanted)
        missing.insert(pumpKey(pump));
    listening = true;
    link->search();
    wait.start();
}

const AnsweringPump *PumpFinder::find(const QString &pump) const
{
    const int index = foundByKey.value(pumpKey(pump), -1);
    return index < 0 ? nullptr : &found.at(index);
}

void PumpFinder::takeIdentity(const QString &where, const QByteArray &text)
{
    PumpIdentity identity;
    if (!listening || !cutIdentity(text, &identity))
        return;
    AnsweringPump pump { where, QString::fromStdString(identity.name).trimmed(),
                         QString::fromStdString(identity.address) };
    const QString nameKey = pumpKey(pump.name);
    const QString addressKey = pumpKey(pump.address);
    if (foundByKey.contains(nameKey) && foundByKey.contains(addressKey))
        return;
    foundByKey.insert(nameKey, found.size());
    foundByKey.insert(addressKey, found.size());
    found.append(pump);
    if (missing.isEmpty())
        return;
    missing.remove(nameKey);
    missing.remove(addressKey);
    if (missing.isEmpty()) {
        wait.stop();
        listening = false;
        emit finished();
    }
}
