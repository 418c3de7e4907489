#include "fleetreader.h"

#include "fleetlink.h"
#include "programprofile.h"

bool PumpReadout::isComplete() const
{
    for (const QString &value : values) {
        if (value.isNull())
            return false;
    }
    return true;
}

bool PumpReadout::answeredNothing() const
{
    for (const QString &value : values) {
        if (!value.isNull())
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

FleetReader::FleetReader(FleetLink &link, const ProgramProfile &profile, int retryMs,
                         QObject *parent)
    : QObject(parent)
    , link(link)
    , profile(profile)
    , retryMs(retryMs)
    , starts([this](int pump) { ask(pump); })
{
    clock.start();
    marginTimer.setSingleShot(true);
    connect(&marginTimer, &QTimer::timeout, this, &FleetReader::endMargins);
    connect(&link, &FleetLink::settingReceived, this, &FleetReader::takeSetting);
    connect(&link, &FleetLink::sequenceFinished, this, &FleetReader::takeFinished);
}

int FleetReader::add(const FoundPump &pump)
{
    const int index = results.size();
    QStringList unknown;
    for (int i = 0; i < profile.settingCount(); ++i)
        unknown.append(QString());
    results.append({ pump, unknown });
    passes.append(Pass());
    byWhere.insert(pump.where, index);
    if (stopped)
        done(index);
    else
        starts.push(index);
    return index;
}

void FleetReader::closeIntake()
{
    intakeOpen = false;
    emit progressed(completeCount, results.size());
    finishIfOver();
}

void FleetReader::readAll(const QVector<FoundPump> &pumps)
{
    for (const FoundPump &pump : pumps)
        add(pump);
    closeIntake();
}

void FleetReader::stop()
{
    stopped = true;
    intakeOpen = false;
    starts.clear();
    for (int pump = 0; pump < passes.size(); ++pump) {
        if (passes.at(pump).stage == Stage::Queued || passes.at(pump).stage == Stage::Listening)
            done(pump);
    }
    finishIfOver();
}

QString FleetReader::askingAgainText() const
{
    if (pumpsAskedAgain == 0)
        return QString();
    return QStringLiteral("asking again: %1 settings from %2 pumps")
        .arg(settingsAskedAgain)
        .arg(pumpsAskedAgain);
}

void FleetReader::ask(int pump)
{
    if (passes.at(pump).stage != Stage::Queued) {
        starts.release();
        return;
    }
    passes[pump].stage = Stage::Asking;
    const PumpReadout &readout = results.at(pump);
    if (readout.answeredNothing()) {
        link.read(readout.pump.where);
        return;
    }
    QVector<int> missing;
    for (int i = 0; i < readout.values.size(); ++i) {
        if (readout.values.at(i).isNull())
            missing.append(i);
    }
    link.read(readout.pump.where, missing);
}

void FleetReader::takeSetting(const QString &where, int settingIndex, const QString &value)
{
    const int pump = byWhere.value(where, -1);
    if (pump < 0 || settingIndex < 0 || settingIndex >= profile.settingCount())
        return;
    const Stage stage = passes.at(pump).stage;
    // Answers count from the pump's first query until its verdict, never after.
    if (stage == Stage::Done || (stage == Stage::Queued && passes.at(pump).retryEndsMs < 0))
        return;
    PumpReadout &readout = results[pump];
    const bool wasComplete = readout.isComplete();
    // An empty answer is an answer: only a setting never answered stays null.
    readout.values[settingIndex] = value.isNull() ? QString(QLatin1String("")) : value;
    if (wasComplete || !readout.isComplete())
        return;
    ++completeCount;
    emit progressed(completeCount, results.size());
    if (stage != Stage::Asking)
        done(pump);
}

void FleetReader::takeFinished(const QString &where, bool started)
{
    const int pump = byWhere.value(where, -1);
    if (pump < 0 || passes.at(pump).stage != Stage::Asking)
        return;
    starts.release();
    Pass &pass = passes[pump];
    if (!started || results.at(pump).isComplete() || stopped) {
        done(pump);
        return;
    }
    const qint64 nowMs = clock.elapsed();
    if (pass.retryEndsMs < 0)
        pass.retryEndsMs = nowMs + retryMs;
    pass.stage = Stage::Listening;
    listening.emplace_back(nowMs + answerMarginMs, pump);
    if (!marginTimer.isActive())
        marginTimer.start(answerMarginMs);
}

void FleetReader::endMargins()
{
    const qint64 nowMs = clock.elapsed();
    while (!listening.empty() && listening.front().first <= nowMs) {
        const int pump = listening.front().second;
        listening.pop_front();
        if (passes.at(pump).stage == Stage::Listening)
            judge(pump);
    }
    if (!listening.empty())
        marginTimer.start(int(listening.front().first - nowMs));
}

void FleetReader::judge(int pump)
{
    if (!stopped && clock.elapsed() < passes.at(pump).retryEndsMs)
        askAgain(pump);
    else
        done(pump);
}

void FleetReader::askAgain(int pump)
{
    Pass &pass = passes[pump];
    const QStringList missing = results.at(pump).missing(profile);
    for (const QString &mnemonic : missing)
        qCDebug(fleetCategory) << "[FleetReader] askAgain ()" << results.at(pump).pump.where
                               << mnemonic;
    if (pass.askedAgain == 0)
        ++pumpsAskedAgain;
    settingsAskedAgain += missing.size() - pass.askedAgain;
    pass.askedAgain = missing.size();
    pass.stage = Stage::Queued;
    emit askingAgainChanged();
    starts.push(pump);
}

void FleetReader::leaveRetry(int pump)
{
    Pass &pass = passes[pump];
    if (pass.askedAgain == 0)
        return;
    settingsAskedAgain -= pass.askedAgain;
    --pumpsAskedAgain;
    pass.askedAgain = 0;
    emit askingAgainChanged();
}

void FleetReader::done(int pump)
{
    if (passes.at(pump).stage == Stage::Done)
        return;
    passes[pump].stage = Stage::Done;
    ++doneCount;
    leaveRetry(pump);
    finishIfOver();
}

void FleetReader::finishIfOver()
{
    if (over || intakeOpen || doneCount < results.size())
        return;
    over = true;
    marginTimer.stop();
    emit finished();
}
