#include "readcommand.h"

#include "console.h"
#include "fleetlink.h"
#include "fleetreader.h"
#include "programprofile.h"
#include "pumpdirectory.h"
#include "resulttable.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTimer>

#include <memory>

namespace {

const QString allOption = QStringLiteral("all");

struct ReadRequest
{
    QStringList names;
    bool all = false;
    int searchWaitMs = 0;
    int retryMs = 0;
    ResultTable::Format format = ResultTable::Format::Table;
};

// A serial line carries one pump: whatever it was called, the link reaches it there.
QVector<FoundPump> onTheLine(QVector<FoundPump> targets, const QString &port)
{
    if (targets.isEmpty())
        return targets;
    FoundPump target = targets.first();
    target.where = port;
    if (target.name.isEmpty() && target.address.isEmpty())
        target.address = port;
    return { target };
}

// The pumps the request stands for once the search (if any) is over. Names nobody
// answered to are reported on standard error and go to `unknown`.
QVector<FoundPump> pumpsToRead(const PumpDirectory &directory, const ReadRequest &request,
                               const CommonOptions &common, QStringList *unknown)
{
    QVector<FoundPump> targets;
    if (request.all) {
        targets = directory.pumps();
        if (targets.isEmpty())
            Console::printProblem(QStringLiteral("pumpctl: no pump answered the search"));
    } else {
        targets = directory.resolve(request.names, unknown, common.adapter.name);
        for (const QString &name : *unknown)
            Console::printProblem(
                QStringLiteral("pumpctl: %1: no pump of this name answered the search").arg(name));
    }
    if (common.serialPort.isEmpty())
        return targets;
    if (request.all && targets.isEmpty())
        targets.append({ QString(), QString(), QString(), common.serialPort });
    return onTheLine(targets, common.serialPort);
}

// One row per pump: "pump" (its name when known, else its address), then one
// column per setting, named by its mnemonic: what `write` takes.
ResultTable settingsTable(const ProgramProfile &profile, const FleetReader &reader)
{
    QStringList columns { QStringLiteral("pump") };
    for (const SettingDescription &setting : profile.settings())
        columns.append(QString::fromLatin1(setting.mnemonic));
    ResultTable table(columns);
    for (const PumpReadout &readout : reader.readouts())
        table.addRow(QStringList { readout.pump.label() } + readout.values);
    return table;
}

void reportMissing(const ProgramProfile &profile, const FleetReader &reader)
{
    for (const PumpReadout &readout : reader.readouts()) {
        const QStringList missing = readout.missing(profile);
        if (missing.isEmpty())
            continue;
        QString text = missing.size() == profile.settingCount()
            ? QStringLiteral("pumpctl: %1: did not answer").arg(readout.pump.label())
            : QStringLiteral("pumpctl: %1: did not answer %2")
                  .arg(readout.pump.label(), missing.join(QLatin1String(", ")));
        // A pump reached through an adapter may be silent for the adapter's sake.
        const QString why = PumpAdapters::whySilent(readout.pump.where);
        if (!why.isNull())
            text += QStringLiteral(": ") + why;
        Console::printProblem(text);
    }
}

void showProgress(const FleetReader &reader)
{
    const QString again = reader.askingAgainText();
    if (!again.isNull()) {
        Console::showProgress(again);
        return;
    }
    int complete = reader.readouts().size() - reader.incompleteCount();
    Console::showProgress(QStringLiteral("reading: %1 of %2 pumps complete")
                              .arg(complete)
                              .arg(reader.readouts().size()));
}

// A name is found by the search. So is an address that lies in none of this computer's
// networks: the search tells which adapter it answers on (unless --adapter says).
bool needsSearch(const QString &name, const QVector<PumpAdapter> &adapters,
                 const CommonOptions &common)
{
    const QString address = PumpDirectory::addressIn(name);
    if (address.isNull())
        return true;
    if (!common.adapter.isNull() || adapters.isEmpty())
        return false;
    for (const PumpAdapter &adapter : adapters) {
        if (adapter.reaches(QHostAddress(address)))
            return false;
    }
    return true;
}

// Searches when a name or --all needs it (a serial line is always asked who is on
// it: its pump's name labels the results), reads every pump, prints the table and
// ends the event loop with the exit status.
void readPumps(FleetLink &link, const ProgramProfile &profile, const ReadRequest &request,
               const CommonOptions &common)
{
    auto *directory = new PumpDirectory(link, &link);
    auto *reader = new FleetReader(link, profile, request.retryMs, &link);
    const auto unknown = std::make_shared<QStringList>();
    QObject::connect(reader, &FleetReader::progressed, [reader] { showProgress(*reader); });
    QObject::connect(reader, &FleetReader::askingAgainChanged, [reader] { showProgress(*reader); });
    QObject::connect(reader, &FleetReader::finished, [=, &profile] {
        Console::clearProgress();
        Console::printResult(settingsTable(profile, *reader).toText(request.format));
        reportMissing(profile, *reader);
        const bool failed
            = !unknown->isEmpty() || reader->readouts().isEmpty() || reader->incompleteCount() > 0;
        QCoreApplication::exit(failed ? ExitStatus::pumpsFailed : ExitStatus::success);
    });
    const auto readFound
        = [=] { reader->readAll(pumpsToRead(*directory, request, common, unknown.get())); };
    QObject::connect(directory, &PumpDirectory::finished, readFound);

    QStringList namesToFind;
    const QVector<PumpAdapter> adapters = PumpAdapters::broadcastAdapters();
    for (const QString &name : request.names) {
        if (needsSearch(name, adapters, common))
            namesToFind.append(name);
    }
    const bool onSerial = !common.serialPort.isEmpty();
    if (request.all || !namesToFind.isEmpty() || onSerial)
        directory->searchShowingProgress(request.searchWaitMs, namesToFind, onSerial);
    else
        QTimer::singleShot(0, directory, readFound);
}

} // namespace

QString ReadCommand::synopsis() const
{
    return QStringLiteral("(PUMP... | --all) [--profile network|ip] [--format table|csv|json] "
                          "[--wait SECONDS] [--retry-for SECONDS]");
}

QString ReadCommand::summary() const
{
    return QStringLiteral(
        "Reads the settings of the pumps named, or of every pump a search finds (--all), in\n"
        "      parallel; one row per pump, one column per setting. Unanswered settings are\n"
        "      asked again; pumps that still leave some unanswered are listed on standard\n"
        "      error and make the exit status 1.");
}

QList<QCommandLineOption> ReadCommand::ownOptions() const
{
    return { { allOption, "read: every pump one search finds." } };
}

QStringList ReadCommand::sharedOptions() const
{
    return { QStringLiteral("profile"), QStringLiteral("format"), QStringLiteral("wait"),
             QStringLiteral("retry-for") };
}

int ReadCommand::run(const QCommandLineParser &parser, const QStringList &arguments,
                     const CommonOptions &common)
{
    ReadRequest request;
    request.names = arguments;
    request.all = parser.isSet(allOption);
    if (request.all == !arguments.isEmpty())
        return CommandLine::usageError(
            request.all ? QStringLiteral("read takes either PUMP names or --all, not both")
                        : QStringLiteral("read needs the PUMPs to read, or --all"));
    const ProgramProfile *profile = ProgramProfile::byName(parser.value(QStringLiteral("profile")));
    if (!profile || !profile->readsSettings())
        return CommandLine::usageError(
            QStringLiteral("read --profile is network or ip (keys cannot be read back)"));
    if (!CommonOption::format(parser, &request.format)
        || !CommonOption::searchWaitMs(parser, &request.searchWaitMs)
        || !CommonOption::retryMs(parser, &request.retryMs))
        return ExitStatus::badCommandLine;
    if (!common.serialPort.isEmpty() && arguments.size() > 1)
        return CommandLine::usageError(QStringLiteral("a serial line carries one pump"));

    FleetLink link(*profile);
    if (!CommonOption::openLink(link, common))
        return ExitStatus::pumpsFailed;
    readPumps(link, *profile, request, common);
    return QCoreApplication::exec();
}
