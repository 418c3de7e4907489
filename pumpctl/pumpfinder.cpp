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
    missing.clear();
    for (const QString &pump : wanted)
        missing.insert(pumpKey(pump));
    listening = true;
    link->search();
    wait.start();
}

const FoundPump *PumpFinder::find(const QString &pump) const
{
    const QString key = pumpKey(pump);
    for (const FoundPump &each : found) {
        if (pumpKey(each.name) == key || pumpKey(each.address) == key)
            return &each;
    }
    return nullptr;
}

void PumpFinder::takeIdentity(const QString &where, const QByteArray &text)
{
    PumpIdentity identity;
    if (!listening || !cutIdentity(text, &identity))
        return;
    FoundPump pump { where, QString::fromStdString(identity.name).trimmed(),
                     QString::fromStdString(identity.address) };
    for (const FoundPump &each : qAsConst(found)) {
        if (each.where == pump.where && each.name == pump.name)
            return;
    }
    found.append(pump);
    if (missing.isEmpty())
        return;
    missing.remove(pumpKey(pump.name));
    missing.remove(pumpKey(pump.address));
    if (missing.isEmpty()) {
        wait.stop();
        listening = false;
        emit finished();
    }
}
