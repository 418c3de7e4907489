#include "planwrite.h"

#include "console.h"
#include "fleetlink.h"
#include "ipv4address.h"
#include "programprofile.h"
#include "settingvalue.h"

#include <QHash>

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
    , writes([this](int pump) { this->link->write(pumps.at(pump).where, pumps.at(pump).values); })
{
    writes.setLimit(options.parallel);
    connect(&directory, &PumpDirectory::finished, this, &PlanWrite::findPumps);
    connect(link, &FleetLink::sequenceFinished, this, &PlanWrite::takeWriteFinished);
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
    link->stopStarting();
    if (phase == Phase::Search || phase == Phase::ReadFirst) {
        Console::printProblem(QStringLiteral("pumpctl: interrupted: nothing was written"));
        finish(1);
        return;
    }
    Console::printProblem(phase == Phase::Write
                              ? QStringLiteral("pumpctl: interrupted: finishing the writes on "
                                               "the wire, starting no more")
                              : QStringLiteral("pumpctl: interrupted"));
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
    phase = Phase::ReadFirst;
    reader = newReader(options.retryMs);
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
    if (phase != Phase::ReadFirst)
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
        printFrames();
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
    phase = Phase::Write;
    for (int i = 0; i < pumps.size(); ++i) {
        writing.insert(pumps.at(i).where, i);
        writes.push(i);
    }
}

void PlanWrite::takeWriteFinished(const QString &where, bool started)
{
    const int index = writing.value(where, -1);
    if (phase != Phase::Write || index < 0)
        return;
    writes.release();
    ++writesDone;
    if (started) {
        pumps[index].written = true;
        pumps[index].restartEndsMs = clock.elapsed() + options.restartWaitMs;
        restarting.push_back(index);
    }
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
    phase = Phase::RestartWait;
    reader = newReader(qMax(options.retryMs, options.restartWaitMs));
    connect(reader.get(), &FleetReader::finished, this, &PlanWrite::judgeVerification);
    for (PumpWork &pump : pumps)
        pump.readIndex = -1;
    verifyRestarted();
}

void PlanWrite::verifyRestarted()
{
    if (phase == Phase::RestartWait && !restarting.empty()
        && pumps.at(restarting.front()).restartEndsMs <= clock.elapsed())
        phase = Phase::Verify;
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
    progressTimer.stop();
    Console::clearProgress();
    bool allConfirmed = !interrupted;
    for (PumpWork &pump : pumps) {
        if (pump.outcome == PumpOutcome::Unknown) {
            if (phase == Phase::Write && !interrupted)
                pump.outcome = PumpOutcome::Sent;
            else
                pump.outcome
                    = pump.written ? PumpOutcome::VerifyInterrupted : PumpOutcome::NotWritten;
        }
        allConfirmed = allConfirmed
            && (pump.outcome == PumpOutcome::Confirmed || pump.outcome == PumpOutcome::Sent);
        Console::printResult(pumpLabel(pump) + QStringLiteral(": ")
                             + WriteResult::status(pump.outcome, pump.detail) + QLatin1Char('\n'));
    }
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
    for (const QString &line : plan->report(options.planName))
        Console::printProblem(line);
    Console::printProblem(QStringLiteral("pumpctl: nothing was sent"));
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
    return planned.isNull() ? pump.where : planned;
}

std::unique_ptr<FleetReader> PlanWrite::newReader(int retryMs)
{
    auto fresh = std::make_unique<FleetReader>(*link, profile, retryMs);
    fresh->setConcurrentReads(options.parallel);
    return fresh;
}

void PlanWrite::printFrames()
{
    for (const PumpWork &pump : qAsConst(pumps)) {
        for (const QString &line : WriteResult::framesShown(profile, pumpLabel(pump), pump.values))
            Console::printResult(line + QLatin1Char('\n'));
    }
}

void PlanWrite::showProgress()
{
    static const char *const names[]
        = { "searching", "reading first", "writing", "waiting for the restart", "verifying", "" };
    const QString name = QString::fromLatin1(names[int(phase)]);
    const bool reading = phase == Phase::ReadFirst || phase == Phase::Verify;
    if (phase == Phase::Search) {
        Console::showProgress(name);
    } else if (phase == Phase::Write) {
        Console::showProgress(
            QStringLiteral("%1: %2 of %3 pumps").arg(name).arg(writesDone).arg(pumps.size()));
    } else if (phase == Phase::RestartWait) {
        const qint64 lastEndsMs
            = restarting.empty() ? 0 : pumps.at(restarting.back()).restartEndsMs;
        Console::showProgress(QStringLiteral("%1: %2 s left")
                                  .arg(name)
                                  .arg((lastEndsMs - clock.elapsed() + 999) / 1000));
    } else if (reading && !reader->askingAgainText().isNull()) {
        Console::showProgress(reader->askingAgainText());
    } else if (reading) {
        const int read = reader->readouts().size() - reader->incompleteCount();
        Console::showProgress(QStringLiteral("%1: %2 of %3 pumps")
                                  .arg(name)
                                  .arg(read)
                                  .arg(reader->readouts().size()));
    }
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
