#include "planwrite.h"

#include "console.h"
#include "fleetlink.h"
#include "ipv4address.h"
#include "programprofile.h"
#include "settingvalue.h"
#include "writeresult.h"

namespace {

constexpr int progressIntervalMs = 250;

} // namespace

PlanWrite::PlanWrite(FleetLink *link, const ProgramProfile &profile, Plan *plan,
                     const WriteOptions &options, QObject *parent)
    : QObject(parent)
    , link(link)
    , profile(profile)
    , plan(plan)
    , options(options)
    , directory(*link)
{
    connect(&directory, &PumpDirectory::finished, this, &PlanWrite::resolvePumps);
    connect(link, &FleetLink::settingReceived, this, &PlanWrite::takeSetting);
    connect(link, &FleetLink::sequenceFinished, this, &PlanWrite::takeFinished);
    graceTimer.setSingleShot(true);
    graceTimer.setInterval(options.replyGraceMs);
    connect(&graceTimer, &QTimer::timeout, this, &PlanWrite::judgeAnswers);
    restartTimer.setSingleShot(true);
    // A coarse timer may end the wait early, and a pump still restarting misses queries.
    restartTimer.setTimerType(Qt::PreciseTimer);
    connect(&restartTimer, &QTimer::timeout, this, &PlanWrite::verifyRestarted);
    progressTimer.setInterval(progressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &PlanWrite::showProgress);
}

void PlanWrite::start()
{
    for (int i = 0; i < plan->pumps().size(); ++i) {
        PumpWork pump;
        pump.planIndex = i;
        pump.values = plan->pumps().at(i).values;
        pumps.append(pump);
    }
    phase = Phase::Search;
    total = pumps.size();
    clock.start();
    if (Console::showsProgress())
        progressTimer.start();
    QStringList wanted;
    for (const PlannedPump &planned : plan->pumps())
        wanted.append(planned.pump);
    directory.search(options.searchWaitMs, wanted);
}

void PlanWrite::interrupt()
{
    if (interrupted || phase == Phase::Done)
        return;
    interrupted = true;
    if (phase == Phase::Search || phase == Phase::ReadFirst) {
        Console::printProblem(QStringLiteral("pumpctl: interrupted: nothing was written"));
        link->stopStarting();
        finish(1);
        return;
    }
    Console::printProblem(phase == Phase::Write
                              ? QStringLiteral("pumpctl: interrupted: finishing the writes on "
                                               "the wire, starting no more")
                              : QStringLiteral("pumpctl: interrupted"));
    waiting.clear();
    link->stopStarting();
    restartTimer.stop();
    restarting.clear();
    graceTimer.stop();
    if (inFlight == 0)
        report();
}

void PlanWrite::readFirst()
{
    phase = Phase::ReadFirst;
    done = 0;
    total = 0;
    pumpAt.clear();
    for (int i = 0; i < pumps.size(); ++i) {
        if (!plan->pumps().at(i).keepsSome())
            continue;
        PumpWork &pump = pumps[i];
        pump.reported = QStringList();
        for (int k = 0; k < profile.settingCount(); ++k)
            pump.reported.append(QString());
        pump.heard.fill(false, profile.settingCount());
        pumpAt.insert(pump.where, i);
        queue(i);
        ++total;
    }
    if (total == 0) {
        keepWhatPumpsHold();
        return;
    }
    startQueued();
}

void PlanWrite::printFrames()
{
    for (const PumpWork &pump : qAsConst(pumps)) {
        for (const QString &line : WriteResult::framesShown(profile, pumpLabel(pump), pump.values))
            Console::printResult(line + QLatin1Char('\n'));
    }
}

void PlanWrite::writeAll()
{
    phase = Phase::Write;
    done = 0;
    total = pumps.size();
    pumpAt.clear();
    for (int i = 0; i < pumps.size(); ++i) {
        pumpAt.insert(pumps.at(i).where, i);
        queue(i);
    }
    startQueued();
}

// One wait for all: each pump is read again as soon as its own restart is over, so
// the pumps written first do not wait for the last.
void PlanWrite::waitForRestart()
{
    phase = Phase::RestartWait;
    done = 0;
    total = pumps.size();
    pumpAt.clear();
    for (int i = 0; i < pumps.size(); ++i) {
        PumpWork &pump = pumps[i];
        pump.where = verifyAddress(pump);
        pump.reported = QStringList();
        for (int k = 0; k < profile.settingCount(); ++k)
            pump.reported.append(QString());
        pump.heard.fill(false, profile.settingCount());
        pumpAt.insert(pump.where, i);
    }
    armRestartTimer();
}

void PlanWrite::armRestartTimer()
{
    if (!restarting.empty())
        restartTimer.start(
            int(qMax<qint64>(0, pumps.at(restarting.front()).restartEndsMs - clock.elapsed())));
}

void PlanWrite::verifyRestarted()
{
    if (phase == Phase::RestartWait) {
        phase = Phase::Verify;
        retryClock.start();
    }
    while (!restarting.empty() && pumps.at(restarting.front()).restartEndsMs <= clock.elapsed()) {
        queue(restarting.front());
        restarting.pop_front();
    }
    startQueued();
    armRestartTimer();
}

void PlanWrite::judgeAnswers()
{
    if (phase == Phase::ReadFirst) {
        keepWhatPumpsHold();
        return;
    }
    const bool mayRetry = !interrupted && retryClock.elapsed() < options.retryMs;
    for (int i = 0; i < pumps.size(); ++i) {
        PumpWork &pump = pumps[i];
        if (pump.outcome != Outcome::Unknown)
            continue;
        const int heard = heardCount(pump);
        if (heard < profile.settingCount() && mayRetry) {
            queue(i);
            continue;
        }
        if (heard == 0) {
            pump.outcome = interrupted ? Outcome::Unverified : Outcome::Silent;
            continue;
        }
        pump.differences
            = WriteResult::differences(profile, pump.values, pump.reported, pump.heard);
        pump.outcome = pump.differences.isEmpty() ? Outcome::Confirmed : Outcome::Differs;
    }
    if (waiting.empty())
        report();
    else
        startQueued();
}

void PlanWrite::report()
{
    bool allConfirmed = !interrupted;
    for (PumpWork &pump : pumps) {
        if (pump.outcome == Outcome::Unknown) {
            if (phase == Phase::Write && !interrupted)
                pump.outcome = Outcome::Sent;
            else
                pump.outcome = pump.written ? Outcome::Unverified : Outcome::NotWritten;
        }
        allConfirmed
            = allConfirmed && (pump.outcome == Outcome::Confirmed || pump.outcome == Outcome::Sent);
        Console::printResult(pumpLabel(pump) + QStringLiteral(": ")
                             + WriteResult::status(pump.outcome, pump.differences)
                             + QLatin1Char('\n'));
    }
    finish(allConfirmed ? 0 : 1);
}

void PlanWrite::queue(int pump) { waiting.push_back(pump); }

void PlanWrite::startQueued()
{
    while (!waiting.empty() && !interrupted
           && (options.parallel <= 0 || inFlight < options.parallel)) {
        const int index = waiting.front();
        waiting.pop_front();
        ++inFlight;
        const PumpWork &pump = pumps.at(index);
        if (phase == Phase::Write)
            link->write(pump.where, pump.values);
        else
            link->read(pump.where);
    }
}

void PlanWrite::takeSetting(const QString &where, int settingIndex, const QString &value)
{
    if (phase != Phase::ReadFirst && phase != Phase::Verify)
        return;
    const int index = pumpAt.value(where, -1);
    if (index < 0 || settingIndex < 0 || settingIndex >= profile.settingCount())
        return;
    PumpWork &pump = pumps[index];
    pump.reported[settingIndex] = value;
    if (pump.heard.at(settingIndex))
        return;
    pump.heard[settingIndex] = true;
    // The last answer of all ends the wait for stragglers at once.
    if (graceTimer.isActive() && awaitsAnswers(pump) && --missingAnswers == 0) {
        graceTimer.stop();
        judgeAnswers();
    }
}

void PlanWrite::takeFinished(const QString &where, bool started)
{
    const int index = pumpAt.value(where, -1);
    if (index < 0 || inFlight == 0
        || (phase != Phase::ReadFirst && phase != Phase::Write && phase != Phase::Verify))
        return;
    --inFlight;
    ++done;
    if (phase == Phase::Write && started) {
        pumps[index].written = true;
        pumps[index].restartEndsMs = clock.elapsed() + options.restartWaitMs;
        restarting.push_back(index);
    }
    startQueued();
    if (inFlight == 0 && (waiting.empty() || interrupted))
        sequencesDone();
}

void PlanWrite::sequencesDone()
{
    if (interrupted) {
        report();
        return;
    }
    if (phase == Phase::Write) {
        if (!profile.readsSettings() || !options.verify)
            report();
        else
            waitForRestart();
        return;
    }
    if (!restarting.empty())
        return;
    missingAnswers = 0;
    for (const PumpWork &pump : qAsConst(pumps)) {
        if (awaitsAnswers(pump))
            missingAnswers += profile.settingCount() - heardCount(pump);
    }
    if (missingAnswers == 0)
        judgeAnswers();
    else
        graceTimer.start();
}

bool PlanWrite::awaitsAnswers(const PumpWork &pump) const
{
    if (phase == Phase::ReadFirst)
        return plan->pumps().at(pump.planIndex).keepsSome();
    return pump.outcome == Outcome::Unknown;
}

bool PlanWrite::stopForProblems()
{
    if (plan->problems().isEmpty())
        return false;
    for (const QString &line : plan->report(options.planName))
        Console::printProblem(line);
    Console::printProblem(QStringLiteral("pumpctl: nothing was sent"));
    finish(2);
    return true;
}

void PlanWrite::showProgress()
{
    static const char *const names[]
        = { "searching", "reading first", "writing", "waiting for the restart", "verifying", "" };
    const QString name = QString::fromLatin1(names[int(phase)]);
    if (phase == Phase::RestartWait)
        Console::showProgress(QStringLiteral("%1: %2 s left")
                                  .arg(name)
                                  .arg((lastRestartEndsMs() - clock.elapsed() + 999) / 1000));
    else if (phase != Phase::Done)
        Console::showProgress(
            phase == Phase::Search
                ? name
                : QStringLiteral("%1: %2 of %3 pumps").arg(name).arg(qMin(done, total)).arg(total));
}

qint64 PlanWrite::lastRestartEndsMs() const
{
    return restarting.empty() ? 0 : pumps.at(restarting.back()).restartEndsMs;
}

int PlanWrite::heardCount(const PumpWork &pump) const
{
    return int(std::count(pump.heard.cbegin(), pump.heard.cend(), true));
}

QString PlanWrite::pumpLabel(const PumpWork &pump) const
{
    return plan->pumps().at(pump.planIndex).pump;
}

void PlanWrite::finish(int exitStatus)
{
    phase = Phase::Done;
    progressTimer.stop();
    Console::clearProgress();
    emit finished(exitStatus);
}
