#include "fleetreader.h"

#include "fleetlink.h"
#include "programprofile.h"

#include <QEventLoop>
#include <QTimer>

bool PumpReadout::isComplete() const
{
    for (const QString &value : values) {
        if (value.isNull())
            return false;
    }
    return true;
}

QStringList PumpReadout::missing(const ProgramProfile &profile) const
{
    QStringList mnemonics;
    for (int i = 0; i < values.size(); ++i) {
        if (values.at(i).isNull())
            mnemonics.append(QString::fromLatin1(profile.settings().at(i).mnemonic));
    }
    return mnemonics;
}

FleetReader::FleetReader(FleetLink &link, const ProgramProfile &profile, QObject *parent)
    : QObject(parent)
    , link(link)
    , profile(profile)
{
    connect(&link, &FleetLink::settingReceived, this, &FleetReader::takeSetting);
}

void FleetReader::readAll(const QVector<PumpTarget> &targets)
{
    results.clear();
    byWhere.clear();
    completeCount = 0;
    for (const PumpTarget &target : targets) {
        byWhere.insert(target.where, results.size());
        QStringList unknown;
        for (int i = 0; i < profile.settingCount(); ++i)
            unknown.append(QString());
        results.append({ target, unknown });
    }
    emit progressed(0, results.size());
    runRound(false);
    if (incompleteCount() > 0)
        runRound(true);
}

int FleetReader::incompleteCount() const { return results.size() - completeCount; }

void FleetReader::runRound(bool askOnlyMissing)
{
    if (results.isEmpty())
        return;
    QEventLoop loop;
    QTimer margin;
    margin.setSingleShot(true);
    connect(&margin, &QTimer::timeout, &loop, &QEventLoop::quit);
    bool allSent = false;
    const auto finishEarly = [&] {
        if (allSent && completeCount == results.size())
            loop.quit();
    };
    connect(&link, &FleetLink::idle, &loop, [&] {
        allSent = true;
        margin.start(answerMarginMs);
        finishEarly();
    });
    connect(this, &FleetReader::progressed, &loop, finishEarly);

    for (const PumpReadout &readout : qAsConst(results)) {
        if (readout.isComplete())
            continue;
        if (!askOnlyMissing) {
            link.read(readout.target.where);
            continue;
        }
        QVector<int> missing;
        for (int i = 0; i < readout.values.size(); ++i) {
            if (readout.values.at(i).isNull())
                missing.append(i);
        }
        link.read(readout.target.where, missing);
    }
    if (link.pendingSequences() == 0)
        return;
    loop.exec();
}

void FleetReader::takeSetting(const QString &where, int index, const QString &value)
{
    const auto it = byWhere.constFind(where);
    if (it == byWhere.constEnd() || index < 0 || index >= profile.settingCount())
        return;
    PumpReadout &readout = results[it.value()];
    const bool wasComplete = readout.isComplete();
    // An empty answer is an answer: only a setting never answered stays null.
    readout.values[index] = value.isNull() ? QString(QLatin1String("")) : value;
    if (!wasComplete && readout.isComplete()) {
        ++completeCount;
        emit progressed(completeCount, results.size());
    }
}
