#include "searchcommand.h"

#include "console.h"
#include "fleetlink.h"
#include "pumpdirectory.h"
#include "resulttable.h"

#include <QCoreApplication>

namespace {

// Prints the table of pumps found; returns the exit status. Where this computer has
// network adapters (loopback aside), each pump's is named: it is reached through it.
int printPumps(const QVector<FoundPump> &pumps, ResultTable::Format format, bool showAdapters)
{
    QStringList columns { QStringLiteral("name"), QStringLiteral("address"),
                          QStringLiteral("identity") };
    if (showAdapters)
        columns.append(QStringLiteral("adapter"));
    ResultTable table(columns);
    for (const FoundPump &pump : pumps) {
        QStringList row { pump.name, pump.address, pump.identity };
        if (showAdapters)
            row.append(pump.adapter.label());
        table.addRow(row);
    }
    Console::printResult(table.toText(format));
    if (!pumps.isEmpty())
        return ExitStatus::success;
    Console::printProblem(QStringLiteral("pumpctl: no pump answered the search"));
    return ExitStatus::pumpsFailed;
}

} // namespace

QString SearchCommand::synopsis() const
{
    return QStringLiteral("[--wait SECONDS] [--format table|csv|json]");
}

QString SearchCommand::summary() const
{
    return QStringLiteral("Lists name, address and identity text of every pump that answers one "
                          "search,\n      and the network adapter it answered on.");
}

QStringList SearchCommand::sharedOptions() const
{
    return { QStringLiteral("wait"), QStringLiteral("format") };
}

int SearchCommand::run(const QCommandLineParser &parser, const QStringList &arguments,
                       const CommonOptions &common)
{
    if (!arguments.isEmpty())
        return CommandLine::usageError(
            QStringLiteral("search takes no arguments, not '%1'").arg(arguments.first()));
    ResultTable::Format format;
    int waitMs = 0;
    if (!CommonOption::format(parser, &format) || !CommonOption::searchWaitMs(parser, &waitMs))
        return ExitStatus::badCommandLine;

    FleetLink link(ProgramProfile::network());
    if (!CommonOption::openLink(link, common))
        return ExitStatus::pumpsFailed;
    PumpDirectory directory(link);
    const bool showAdapters = common.serialPort.isEmpty()
        && (!common.adapter.isNull() || !PumpAdapters::broadcastAdapters().isEmpty());
    QObject::connect(&directory, &PumpDirectory::finished, [&directory, format, showAdapters] {
        QCoreApplication::exit(printPumps(directory.pumps(), format, showAdapters));
    });
    directory.searchShowingProgress(waitMs, QStringList(), !common.serialPort.isEmpty());
    return QCoreApplication::exec();
}
