#include "planwrite.h"

#include "fleetlink.h"
#include "ipv4address.h"
#include "programprofile.h"
#include "pumprequest.h"
#include "settingvalue.h"

#include <QHash>

PlanWrite::PlanWrite(FleetLink *link, const ProgramProfile &profile, Plan *plan,
                     const WriteOptions &options, QObject *parent)
    : QObject(parent)
    , link(link)
    , profile(profile)
    , plan(plan)
    , options(options)
    , directory(*link)
    , writes([this](int pump) { startWrite(pump); })
{
    writes.setLimit(options.parallel);
    connect(&directory, &PumpDirectory::finished, this, &PlanWrite::findPumps);
    restartTimer.setSingleShot(true);
    // A coarse timer may end the wait early, and a pump still restarting misses queries.
    restartTimer.setTimerType(Qt::PreciseTimer);
    connect(&restartTimer, &QTimer::timeout, this, &PlanWrite::verifyRestarted);
}

void PlanWrite::start()
{
    for (int i = 0; i < plan->pumps().size(); ++i) {
        PumpWork pump;
        pump.planIndex = i;
        pump.values = plan->pumps().at(i).values;
        pumps.append(pump);
    }
    clock.start();
    enter(Phase::Search);
    QStringList wanted;
    for (const PlannedPump &planned : plan->pumps())
        wanted.append(planned.pump);
    directory.search(options.searchWaitMs, wanted);
}

void PlanWrite::interrupt()
{
    const Phase phase = currentPhase;
    if (interrupted || phase == Phase::Done)
        return;
    interrupted = true;
    link->stopStarting();
    emit interruptedIn(phase);
    if (phase == Phase::Search || phase == Phase::ReadFirst) {
        finish(1);
        return;
    }
    writes.clear();
    restartTimer.stop();
    restarting.clear();
    if (phase == Phase::Write && writes.running() == 0)
        report();
    else if (phase != Phase::Write)
        reader->stop(); // its finished() judges what was heard and reports
}

// The search is over: every pump of the plan must have answered it, each once.
void PlanWrite::findPumps()
{
    QHash<QString, int> lineOfPump;
    for (int i = 0; i < pumps.size(); ++i) {
        const PlannedPump &planned = plan->pumps().at(i);
        const FoundPump *found = directory.find(planned.pump);
        if (!found) {
            plan->addProblem(
                { planned.line, planned.pumpColumn,
                  QStringLiteral("pump \"%1\" did not answer the search").arg(planned.pump) });
            continue;
        }
        pumps[i].where = found->where;
        if (lineOfPump.contains(pumps[i].where)) {
            plan->addProblem({ planned.line, planned.pumpColumn,
                               QStringLiteral("pump \"%1\" is the pump of line %2")
                                   .arg(planned.pump)
                                   .arg(lineOfPump.value(pumps[i].where)) });
        }
        lineOfPump.insert(pumps[i].where, planned.line);
    }
    // What the plan itself gives is checked before any pump is even read.
    checkNewAddresses();
    if (!stopForProblems())
        readFirst();
}

void PlanWrite::readFirst()
{
    reader = newReader(options.retryMs);
    enter(Phase::ReadFirst);
    connect(reader.get(), &FleetReader::finished, this, &PlanWrite::keepWhatPumpsHold);
    for (PumpWork &pump : pumps) {
        if (plan->pumps().at(pump.planIndex).keepsSome())
            pump.readIndex = reader->add({ pumpLabel(pump), QString(), QString(), pump.where });
    }
    reader->closeIntake();
}

// The first read is over: every value the plan keeps is what the pump reported.
void PlanWrite::keepWhatPumpsHold()
{
    if (currentPhase != Phase::ReadFirst)
        return;
    for (PumpWork &pump : pumps) {
        if (pump.readIndex < 0)
            continue;
        const PumpReadout &readout = reader->readouts().at(pump.readIndex);
        for (int k = 0; k < pump.values.size(); ++k) {
            if (pump.values.at(k).isNull())
                keepSetting(pump, k, readout);
        }
    }
    checkNewAddresses();
    if (stopForProblems())
        return;
    if (options.dryRun) {
        emit dryRunReady();
        finish(0);
        return;
    }
    writeAll();
}

void PlanWrite::keepSetting(PumpWork &pump, int setting, const PumpReadout &readout)
{
    const PlannedPump &planned = plan->pumps().at(pump.planIndex);
    const SettingDescription &description = profile.settings().at(setting);
    const int column
        = planned.columns.at(setting) ? planned.columns.at(setting) : planned.pumpColumn;
    const QString name = QString::fromLatin1(description.mnemonic);
    const QString reported = readout.values.at(setting);
    QString kept;
    if (reported.isNull()) {
        plan->addProblem(
            { planned.line, column,
              QStringLiteral("pump \"%1\" did not report %2, which the plan keeps as it is")
                  .arg(planned.pump, name) });
        return;
    }
    if (!SettingValue::keepReported(description, reported, &kept)) {
        plan->addProblem({ planned.line, column,
                           QStringLiteral("pump \"%1\" holds %2 \"%3\", which no window "
                                          "would send back")
                               .arg(planned.pump, name, WriteResult::printable(reported)) });
        return;
    }
    pump.values[setting] = kept;
}

void PlanWrite::writeAll()
{
    enter(Phase::Write);
    for (int i = 0; i < pumps.size(); ++i)
        writes.push(i);
}

void PlanWrite::startWrite(int pump)
{
    PumpRequest *request = link->writePump(pumps.at(pump).where, pumps.at(pump).values, this);
    connect(request, &PumpRequest::finished, this, [this, request, pump](bool started) {
        request->deleteLater();
        takeWriteFinished(pump, started);
    });
}

void PlanWrite::takeWriteFinished(int index, bool started)
{
    if (currentPhase != Phase::Write)
        return;
    writes.release();
    ++writesDone;
    if (started) {
        pumps[index].written = true;
        pumps[index].restartEndsMs = clock.elapsed() + options.restartWaitMs;
        restarting.push_back(index);
    }
    emit pumpWritten(index);
    if (!writes.isIdle())
        return;
    if (interrupted || !profile.readsSettings() || !options.verify)
        report();
    else
        waitForRestart();
}

// One wait for all: each pump is read again as soon as its own restart is over, so
// the pumps written first do not wait for the last.
void PlanWrite::waitForRestart()
{
    reader = newReader(qMax(options.retryMs, options.restartWaitMs));
    enter(Phase::RestartWait);
    connect(reader.get(), &FleetReader::finished, this, &PlanWrite::judgeVerification);
    for (PumpWork &pump : pumps)
        pump.readIndex = -1;
    verifyRestarted();
}

void PlanWrite::verifyRestarted()
{
    if (currentPhase == Phase::RestartWait && !restarting.empty()
        && pumps.at(restarting.front()).restartEndsMs <= clock.elapsed())
        enter(Phase::Verify);
    while (!restarting.empty() && pumps.at(restarting.front()).restartEndsMs <= clock.elapsed()) {
        PumpWork &pump = pumps[restarting.front()];
        restarting.pop_front();
        pump.readIndex
            = reader->add({ pumpLabel(pump), QString(), QString(), verifyAddress(pump) });
    }
    if (restarting.empty()) {
        reader->closeIntake();
        return;
    }
    restartTimer.start(
        int(qMax<qint64>(0, pumps.at(restarting.front()).restartEndsMs - clock.elapsed())));
}

// The verification is over: a pump that reported another value than it was sent
// differs; one that left settings unanswered is not verified; one that answered
// nothing at all is reported as such.
void PlanWrite::judgeVerification()
{
    for (PumpWork &pump : pumps) {
        if (pump.readIndex < 0)
            continue;
        const PumpReadout &readout = reader->readouts().at(pump.readIndex);
        if (readout.answeredNothing()) {
            pump.outcome = interrupted ? PumpOutcome::VerifyInterrupted : PumpOutcome::Silent;
            // A pump behind an adapter may be silent for the adapter's sake.
            if (!interrupted)
                pump.detail = PumpAdapters::whySilent(readout.pump.where);
            continue;
        }
        const QString differences = WriteResult::differences(profile, pump.values, readout.values);
        const QString missing = readout.missing(profile).join(QStringLiteral(", "));
        if (!differences.isEmpty()) {
            pump.outcome = PumpOutcome::Differs;
            pump.detail = missing.isEmpty()
                ? differences
                : differences + QStringLiteral("; %1 did not answer").arg(missing);
        } else if (!missing.isEmpty()) {
            pump.outcome = PumpOutcome::NotVerified;
            pump.detail = missing;
        } else {
            pump.outcome = PumpOutcome::Confirmed;
        }
    }
    report();
}

void PlanWrite::report()
{
    bool allConfirmed = !interrupted;
    for (PumpWork &pump : pumps) {
        if (pump.outcome == PumpOutcome::Unknown) {
            if (currentPhase == Phase::Write && !interrupted)
                pump.outcome = PumpOutcome::Sent;
            else
                pump.outcome
                    = pump.written ? PumpOutcome::VerifyInterrupted : PumpOutcome::NotWritten;
        }
        allConfirmed = allConfirmed
            && (pump.outcome == PumpOutcome::Confirmed || pump.outcome == PumpOutcome::Sent);
    }
    for (int i = 0; i < pumps.size(); ++i)
        emit pumpReported(i);
    finish(allConfirmed ? 0 : 1);
}

// Two pumps sent to one address could not both be verified, nor both work.
void PlanWrite::checkNewAddresses()
{
    QHash<QString, int> lineOfAddress;
    for (const PumpWork &pump : qAsConst(pumps)) {
        const QString address = verifyAddress(pump);
        if (address.isEmpty())
            continue;
        const PlannedPump &planned = plan->pumps().at(pump.planIndex);
        if (lineOfAddress.contains(address)) {
            const int addressSetting = profile.indexOf(SettingRole::Address);
            plan->addProblem({ planned.line,
                               addressSetting >= 0 && planned.columns.at(addressSetting)
                                   ? planned.columns.at(addressSetting)
                                   : planned.pumpColumn,
                               QStringLiteral("pump \"%1\" would be at %2 after its restart, like "
                                              "the pump of line %3")
                                   .arg(planned.pump, address)
                                   .arg(lineOfAddress.value(address)) });
        }
        lineOfAddress.insert(address, planned.line);
    }
}

bool PlanWrite::stopForProblems()
{
    if (plan->problems().isEmpty())
        return false;
    emit stoppedForProblems();
    finish(2);
    return true;
}

// After its restart a pump given a static address is there; any other stays where
// it was found, as far as anyone can tell from here.
QString PlanWrite::verifyAddress(const PumpWork &pump) const
{
    const int assignment = profile.indexOf(SettingRole::Assignment);
    const int address = profile.indexOf(SettingRole::Address);
    if (options.serial || assignment < 0 || address < 0
        || !SettingValue::assignsStatic(pump.values.value(assignment)))
        return pump.where;
    const QString planned = canonicalIPv4(pump.values.value(address));
    // Through the adapter it answered on, as before its restart.
    return planned.isNull() ? pump.where : PumpAdapters::movedTo(pump.where, planned);
}

std::unique_ptr<FleetReader> PlanWrite::newReader(int retryMs)
{
    auto fresh = std::make_unique<FleetReader>(*link, profile, retryMs);
    fresh->setConcurrentReads(options.parallel);
    return fresh;
}

qint64 PlanWrite::restartMsLeft() const
{
    if (restarting.empty())
        return 0;
    return qMax<qint64>(0, pumps.at(restarting.back()).restartEndsMs - clock.elapsed());
}

void PlanWrite::enter(Phase next)
{
    currentPhase = next;
    emit phaseChanged(next);
}

QString PlanWrite::pumpLabel(const PumpWork &pump) const
{
    return plan->pumps().at(pump.planIndex).pump;
}

void PlanWrite::finish(int exitStatus)
{
    enter(Phase::Done);
    emit finished(exitStatus);
}
