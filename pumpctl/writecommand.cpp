#include "writecommand.h"

#include "console.h"
#include "fleetconsole.h"
#include "fleetlink.h"
#include "interruptnotifier.h"
#include "plan.h"
#include "planreader.h"
#include "planwrite.h"
#include "programprofile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

const QString dryRunOption = QStringLiteral("dry-run");
const QString parallelOption = QStringLiteral("parallel");
const QString restartWaitOption = QStringLiteral("restart-wait");
const QString noVerifyOption = QStringLiteral("no-verify");
const QString allowEmptyKeysOption = QStringLiteral("allow-empty-keys");

// The windows wait as long for a pump's restart.
constexpr double defaultRestartWaitSeconds = 15.0;

bool parseOptions(const QCommandLineParser &parser, const CommonOptions &common,
                  WriteOptions *options)
{
    bool ok = false;
    if (parser.isSet(parallelOption))
        options->parallel = parser.value(parallelOption).toInt(&ok);
    if (parser.isSet(parallelOption) && (!ok || options->parallel < 1)) {
        CommandLine::usageError(QStringLiteral("--parallel takes a number of pumps, not '%1'")
                                    .arg(parser.value(parallelOption)));
        return false;
    }
    if (!CommonOption::milliseconds(parser, restartWaitOption, defaultRestartWaitSeconds,
                                    &options->restartWaitMs)
        || !CommonOption::retryMs(parser, &options->retryMs))
        return false;
    options->dryRun = parser.isSet(dryRunOption);
    options->verify = !parser.isSet(noVerifyOption);
    options->serial = !common.serialPort.isEmpty();
    return CommonOption::searchWaitMs(parser, &options->searchWaitMs);
}

// Reads and checks the plan file; false with every problem printed when it is wrong.
bool loadPlan(const QString &path, const QString &shownName, Plan *plan)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Console::printProblem(
            QStringLiteral("pumpctl: cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    PlanReader reader;
    reader.read(&file);
    for (const PlanProblem &problem : reader.problems())
        plan->addProblem(problem);
    plan->check(reader.rows());
    if (plan->problems().isEmpty())
        return true;
    for (const QString &problem : plan->report(shownName))
        Console::printProblem(problem);
    Console::printProblem(QStringLiteral("pumpctl: nothing was sent"));
    return false;
}

} // namespace

QString WriteCommand::synopsis() const
{
    return QStringLiteral("PLAN.csv [--profile network|ip|key] [--dry-run] [--parallel N] "
                          "[--restart-wait SECONDS] [--no-verify] [--allow-empty-keys] "
                          "[--wait SECONDS] [--retry-for SECONDS]");
}

QString WriteCommand::summary() const
{
    return QStringLiteral(
        "Writes a plan: a CSV file with a header row (pump, then mnemonics such as NAM, NIP,\n"
        "      NK1) and one row per pump, named by name or address; an empty cell or a column\n"
        "      left out keeps what the pump holds. Everything is checked and every pump found\n"
        "      before anything is sent (problems as plan.csv:LINE:COLUMN, exit status 2).\n"
        "      All pumps are written in parallel, the restart is waited out once, and each\n"
        "      pump is read back: confirmed, differs, not verified (settings unanswered after\n"
        "      every retry) or did not answer (keys: sent).");
}

QList<QCommandLineOption> WriteCommand::ownOptions() const
{
    return {
        { dryRunOption,
          "write: check the plan, find the pumps, print the frames it would send (keys "
          "[redacted]) and send nothing." },
        { parallelOption, "write: talk to at most N pumps at once (default 5000).", "N" },
        { restartWaitOption,
          "write: how long the pumps take to restart after their save (default 15, as the "
          "windows wait).",
          "SECONDS" },
        { noVerifyOption, "write: do not read the pumps back; report them as sent." },
        { allowEmptyKeysOption,
          "write: send an empty key for an empty key cell instead of refusing the plan." },
    };
}

QStringList WriteCommand::sharedOptions() const
{
    return { QStringLiteral("profile"), QStringLiteral("wait"), QStringLiteral("retry-for") };
}

int WriteCommand::run(const QCommandLineParser &parser, const QStringList &arguments,
                      const CommonOptions &common)
{
    if (arguments.size() != 1)
        return CommandLine::usageError(QStringLiteral("write takes one plan file"));
    const ProgramProfile *profile = ProgramProfile::byName(parser.value(QStringLiteral("profile")));
    if (!profile)
        return CommandLine::usageError(QStringLiteral("--profile takes network, ip or key"));
    WriteOptions options;
    if (!parseOptions(parser, common, &options))
        return ExitStatus::badCommandLine;
    options.planName = QFileInfo(arguments.first()).fileName();

    Plan plan(*profile, parser.isSet(allowEmptyKeysOption));
    if (!loadPlan(arguments.first(), options.planName, &plan))
        return ExitStatus::badCommandLine;
    FleetLink link(*profile);
    if (!CommonOption::openLink(link, common))
        return ExitStatus::pumpsFailed;

    InterruptNotifier interrupt;
    PlanWrite write(&link, *profile, &plan, options);
    WriteConsole console(write, *profile, plan, options.planName);
    QObject::connect(&interrupt, &InterruptNotifier::interrupted, &write, &PlanWrite::interrupt);
    int exitStatus = ExitStatus::pumpsFailed;
    QObject::connect(&write, &PlanWrite::finished, [&exitStatus](int status) {
        exitStatus = status;
        QCoreApplication::exit(status);
    });
    write.start();
    QCoreApplication::exec();
    return exitStatus;
}
