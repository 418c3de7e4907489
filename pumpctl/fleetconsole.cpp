#include "fleetconsole.h"

#include "console.h"
#include "fleetreader.h"
#include "plan.h"
#include "pumpdirectory.h"
#include "writeresult.h"

namespace {

constexpr int progressIntervalMs = 250;

} // namespace

namespace FleetConsole {

void followSearch(PumpDirectory &directory)
{
    QObject::connect(&directory, &PumpDirectory::pumpFound, [](const FoundPump &, int count) {
        Console::showProgress(QStringLiteral("searching: %1 pumps answered").arg(count));
    });
    QObject::connect(&directory, &PumpDirectory::finished, [&directory] {
        Console::clearProgress();
        for (const QString &identity : directory.unusableIdentities())
            Console::printProblem(
                QStringLiteral("pumpctl: skipped an answer that names no pump: %1").arg(identity));
    });
}

void searchShowingProgress(PumpDirectory &directory, int waitMs, const QStringList &wanted,
                           bool onePump)
{
    Console::showProgress(QStringLiteral("searching"));
    directory.search(waitMs, wanted, onePump);
}

} // namespace FleetConsole

WriteConsole::WriteConsole(PlanWrite &write, const ProgramProfile &profile, const Plan &plan,
                           const QString &planName, QObject *parent)
    : QObject(parent)
    , write(write)
    , profile(profile)
    , plan(plan)
    , planName(planName)
{
    progressTimer.setInterval(progressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &WriteConsole::showProgress);
    connect(&write, &PlanWrite::phaseChanged, this, [this](PlanWrite::Phase phase) {
        if (phase == PlanWrite::Phase::Search && Console::showsProgress())
            progressTimer.start();
    });
    connect(&write, &PlanWrite::interruptedIn, this, &WriteConsole::reportInterruption);
    connect(&write, &PlanWrite::stoppedForProblems, this, &WriteConsole::reportProblems);
    connect(&write, &PlanWrite::dryRunReady, this, &WriteConsole::printFrames);
    connect(&write, &PlanWrite::pumpReported, this, &WriteConsole::printOutcome);
    connect(&write, &PlanWrite::finished, this, [this] {
        progressTimer.stop();
        Console::clearProgress();
    });
}

void WriteConsole::showProgress()
{
    using Phase = PlanWrite::Phase;
    static const char *const names[]
        = { "searching", "reading first", "writing", "waiting for the restart", "verifying", "" };
    const Phase phase = write.phase();
    const QString name = QString::fromLatin1(names[int(phase)]);
    const FleetReader *reader = write.currentReader();
    const bool reading = (phase == Phase::ReadFirst || phase == Phase::Verify) && reader;
    if (phase == Phase::Search) {
        Console::showProgress(name);
    } else if (phase == Phase::Write) {
        Console::showProgress(QStringLiteral("%1: %2 of %3 pumps")
                                  .arg(name)
                                  .arg(write.writesFinished())
                                  .arg(write.work().size()));
    } else if (phase == Phase::RestartWait) {
        Console::showProgress(
            QStringLiteral("%1: %2 s left").arg(name).arg((write.restartMsLeft() + 999) / 1000));
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

void WriteConsole::reportInterruption(PlanWrite::Phase phase)
{
    switch (phase) {
    case PlanWrite::Phase::Search:
    case PlanWrite::Phase::ReadFirst:
        Console::printProblem(QStringLiteral("pumpctl: interrupted: nothing was written"));
        break;
    case PlanWrite::Phase::Write:
        Console::printProblem(QStringLiteral(
            "pumpctl: interrupted: finishing the writes on the wire, starting no more"));
        break;
    default:
        Console::printProblem(QStringLiteral("pumpctl: interrupted"));
        break;
    }
}

void WriteConsole::reportProblems()
{
    for (const QString &line : plan.report(planName))
        Console::printProblem(line);
    Console::printProblem(QStringLiteral("pumpctl: nothing was sent"));
}

void WriteConsole::printFrames()
{
    for (const PlanWrite::PumpWork &pump : write.work()) {
        for (const QString &line :
             WriteResult::framesShown(profile, write.pumpLabel(pump), pump.values))
            Console::printResult(line + QLatin1Char('\n'));
    }
}

void WriteConsole::printOutcome(int index)
{
    Console::clearProgress();
    const PlanWrite::PumpWork &pump = write.work().at(index);
    Console::printResult(write.pumpLabel(pump) + QStringLiteral(": ")
                         + WriteResult::status(pump.outcome, pump.detail) + QLatin1Char('\n'));
}
