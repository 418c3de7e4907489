#include "writecommand.h"

#include "fleetlink.h"
#include "interruptnotifier.h"
#include "plan.h"
#include "planreader.h"
#include "planwrite.h"
#include "programprofile.h"
#include "progressline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>

namespace {

struct WriteCommandLine
{
    QString planPath;
    const ProgramProfile *profile = nullptr;
    QString serialPort;
    bool quiet = false;
    bool allowEmptyKeys = false;
    WriteOptions options;
};

// Seconds as the user gives them, fractions allowed; false for anything else.
bool secondsToMs(const QString &text, int limitSeconds, int *ms)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > limitSeconds)
        return false;
    *ms = int(std::lround(seconds * 1000));
    return true;
}

bool parseWriteCommandLine(const QStringList &arguments, WriteCommandLine *line, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the settings of a plan (a CSV file, one row per pump) to every pump it "
        "names, in parallel, waits out their restart once and reads every pump again to "
        "confirm what it holds."));
    parser.addPositionalArgument(QStringLiteral("write"), QStringLiteral("The command."));
    parser.addPositionalArgument(QStringLiteral("PLAN.csv"),
                                 QStringLiteral("Header row: pump, then setting mnemonics "
                                                "(NAM, NIP, ... NPA, NK1 ... NK5)."));
    const QCommandLineOption profile(QStringLiteral("profile"),
                                     QStringLiteral("The settings to write: network (default), "
                                                    "ip or key."),
                                     QStringLiteral("network|ip|key"), QStringLiteral("network"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("Check the plan, find every pump and print the "
                                                   "frames it would send; send nothing."));
    const QCommandLineOption parallel(QStringLiteral("parallel"),
                                      QStringLiteral("Pumps talked to at once at most "
                                                     "(default: all)."),
                                      QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption restartWait(QStringLiteral("restart-wait"),
                                         QStringLiteral("Seconds the pumps take to restart after "
                                                        "their save (default 15)."),
                                         QStringLiteral("SECONDS"), QStringLiteral("15"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"),
                                      QStringLiteral("Do not read the pumps back; report them as "
                                                     "sent."));
    const QCommandLineOption allowEmptyKeys(QStringLiteral("allow-empty-keys"),
                                            QStringLiteral("Send an empty key for an empty key "
                                                           "cell instead of refusing the plan."));
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("One pump on this serial port (ttyUSB0 or "
                                                   "/dev/ttyUSB0) instead of Ethernet."),
                                    QStringLiteral("PORT"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("No progress."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("The link's diagnostic lines on standard "
                                                    "error."));
    parser.addOptions({ profile, dryRun, parallel, restartWait, noVerify, allowEmptyKeys, serial,
                        quiet, verbose });
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(arguments);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        err << "pumpctl write: give one plan file\n";
        return false;
    }
    line->planPath = positional.at(1);
    line->profile = ProgramProfile::byName(parser.value(profile));
    if (!line->profile) {
        err << "pumpctl write: --profile takes network, ip or key\n";
        return false;
    }
    bool ok = false;
    line->options.parallel = parser.value(parallel).toInt(&ok);
    if (!ok || line->options.parallel < 0) {
        err << "pumpctl write: --parallel takes a number of pumps\n";
        return false;
    }
    if (!secondsToMs(parser.value(restartWait), 3600, &line->options.restartWaitMs)) {
        err << "pumpctl write: --restart-wait takes seconds, 0 to 3600\n";
        return false;
    }
    // Pumps that did not answer at once are asked again for as long as they took to
    // restart, and never for less than five seconds.
    line->options.retryMs = qMax(5000, line->options.restartWaitMs);
    line->options.dryRun = parser.isSet(dryRun);
    line->options.verify = !parser.isSet(noVerify);
    line->options.serial = parser.isSet(serial);
    line->options.planName = QFileInfo(line->planPath).fileName();
    line->serialPort = parser.value(serial);
    line->quiet = parser.isSet(quiet);
    line->allowEmptyKeys = parser.isSet(allowEmptyKeys);
    return true;
}

// Reads and checks the plan file; false with every problem printed when it is wrong.
bool loadPlan(const WriteCommandLine &line, Plan *plan, QTextStream &err)
{
    QFile file(line.planPath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "pumpctl write: " << line.planPath << ": " << file.errorString() << '\n';
        return false;
    }
    PlanReader reader;
    reader.read(&file);
    for (const PlanProblem &problem : reader.problems())
        plan->addProblem(problem);
    plan->check(reader.rows());
    if (plan->problems().isEmpty())
        return true;
    for (const QString &problem : plan->report(line.options.planName))
        err << problem << '\n';
    err << "pumpctl: nothing was sent\n";
    return false;
}

} // namespace

int runWriteCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    WriteCommandLine line;
    if (!parseWriteCommandLine(arguments, &line, err))
        return 2;
    Plan plan(*line.profile, line.allowEmptyKeys);
    if (!loadPlan(line, &plan, err))
        return 2;

    FleetLink link(*line.profile);
    const bool open = line.options.serial ? link.openSerial(line.serialPort) : link.openEthernet();
    if (!open) {
        err << "pumpctl write: cannot open "
            << (line.options.serial ? line.serialPort : QStringLiteral("a UDP socket")) << ": "
            << link.errorString() << '\n';
        return 1;
    }

    InterruptNotifier interrupt;
    ProgressLine progress(line.quiet);
    PlanWrite write(&link, *line.profile, &plan, line.options, out, err);
    QObject::connect(&interrupt, &InterruptNotifier::interrupted, &write, &PlanWrite::interrupt);
    QObject::connect(&write, &PlanWrite::progress, &progress, &ProgressLine::show);
    int exitStatus = 1;
    QObject::connect(&write, &PlanWrite::finished, [&exitStatus](int status) {
        exitStatus = status;
        QCoreApplication::exit(status);
    });
    write.start();
    QCoreApplication::exec();
    return exitStatus;
}
