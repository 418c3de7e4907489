#include "readcommand.h"

#include "console.h"
#include "fleetlink.h"
#include "fleetreader.h"
#include "programprofile.h"
#include "resulttable.h"
#include "searchcommand.h"

namespace {

const QString allOption = QStringLiteral("all");

// A serial line carries one pump: whatever it was called, the link reaches it there.
QVector<PumpTarget> onTheLine(QVector<PumpTarget> targets, const QString &port)
{
    if (targets.isEmpty())
        return targets;
    PumpTarget target = targets.first();
    target.where = port;
    if (target.name.isEmpty() && target.address.isEmpty())
        target.address = port;
    return { target };
}

} // namespace

QString ReadCommand::synopsis() const
{
    return QStringLiteral("(PUMP... | --all) [--profile network|ip] [--format table|csv|json] "
                          "[--wait SECONDS]");
}

QString ReadCommand::summary() const
{
    return QStringLiteral(
        "Reads the settings of the pumps named, or of every pump a search finds (--all), in\n"
        "      parallel; one row per pump, one column per setting. Pumps that leave settings\n"
        "      unanswered are listed on standard error and make the exit status 1.");
}

QList<QCommandLineOption> ReadCommand::ownOptions() const
{
    return { { allOption, "read: every pump one search finds." } };
}

QStringList ReadCommand::sharedOptions() const
{
    return { QStringLiteral("profile"), QStringLiteral("format"), QStringLiteral("wait") };
}

QVector<PumpTarget> ReadCommand::findTargets(FleetLink &link, const QStringList &names, bool all,
                                             int searchWaitMs, const CommonOptions &common,
                                             QStringList *unknown)
{
    QStringList namesToFind;
    for (const QString &name : names) {
        if (PumpDirectory::addressIn(name).isNull())
            namesToFind.append(name);
    }
    PumpDirectory directory(link);
    const bool onSerial = !common.serialPort.isEmpty();
    // A serial line is always asked who is on it: its pump's name labels the results.
    if (all || !namesToFind.isEmpty() || onSerial)
        SearchCommand::searchWithProgress(directory, searchWaitMs, namesToFind, common);

    QVector<PumpTarget> targets;
    if (all) {
        targets = directory.everyPump();
        if (targets.isEmpty())
            Console::printProblem(QStringLiteral("pumpctl: no pump answered the search"));
    } else {
        targets = directory.resolve(names, unknown);
        for (const QString &name : *unknown)
            Console::printProblem(
                QStringLiteral("pumpctl: %1: no pump of this name answered the search").arg(name));
    }
    if (!onSerial)
        return targets;
    if (all && targets.isEmpty())
        targets.append({ QString(), QString(), common.serialPort });
    return onTheLine(targets, common.serialPort);
}

ResultTable ReadCommand::settingsTable(const ProgramProfile &profile, const FleetReader &reader)
{
    QStringList columns { QStringLiteral("pump") };
    for (const SettingDescription &setting : profile.settings())
        columns.append(QString::fromLatin1(setting.mnemonic));
    ResultTable table(columns);
    for (const PumpReadout &readout : reader.readouts())
        table.addRow(QStringList { readout.target.label() } + readout.values);
    return table;
}

int ReadCommand::run(const QCommandLineParser &parser, const QStringList &arguments,
                     const CommonOptions &common)
{
    const bool all = parser.isSet(allOption);
    if (all == !arguments.isEmpty())
        return CommandLine::usageError(
            all ? QStringLiteral("read takes either PUMP names or --all, not both")
                : QStringLiteral("read needs the PUMPs to read, or --all"));
    const ProgramProfile *profile = ProgramProfile::byName(parser.value(QStringLiteral("profile")));
    if (!profile || !profile->readsSettings())
        return CommandLine::usageError(
            QStringLiteral("read --profile is network or ip (keys cannot be read back)"));
    ResultTable::Format format;
    int waitMs = 0;
    if (!CommandLine::outputOptions(parser, &format, &waitMs))
        return ExitStatus::badCommandLine;
    if (!common.serialPort.isEmpty() && arguments.size() > 1)
        return CommandLine::usageError(QStringLiteral("a serial line carries one pump"));

    FleetLink link(*profile);
    if (!CommandLine::openLink(link, common))
        return ExitStatus::pumpsFailed;
    QStringList unknown;
    const QVector<PumpTarget> targets = findTargets(link, arguments, all, waitMs, common, &unknown);

    FleetReader reader(link, *profile);
    QObject::connect(&reader, &FleetReader::progressed, [](int complete, int total) {
        Console::showProgress(
            QStringLiteral("reading: %1 of %2 pumps complete").arg(complete).arg(total));
    });
    reader.readAll(targets);
    Console::clearProgress();
    Console::printResult(settingsTable(*profile, reader).toText(format));

    for (const PumpReadout &readout : reader.readouts()) {
        const QStringList missing = readout.missing(*profile);
        if (missing.size() == profile->settingCount())
            Console::printProblem(
                QStringLiteral("pumpctl: %1: did not answer").arg(readout.target.label()));
        else if (!missing.isEmpty())
            Console::printProblem(
                QStringLiteral("pumpctl: %1: did not answer %2")
                    .arg(readout.target.label(), missing.join(QLatin1String(", "))));
    }
    const bool failed = !unknown.isEmpty() || targets.isEmpty() || reader.incompleteCount() > 0;
    return failed ? ExitStatus::pumpsFailed : ExitStatus::success;
}
