#include "searchcommand.h"

#include "console.h"
#include "fleetlink.h"
#include "pumpdirectory.h"
#include "resulttable.h"

#include <QEventLoop>

QString SearchCommand::synopsis() const
{
    return QStringLiteral("[--wait SECONDS] [--format table|csv|json]");
}

QString SearchCommand::summary() const
{
    return QStringLiteral("Lists name, address and identity text of every pump that answers one "
                          "search.");
}

QStringList SearchCommand::sharedOptions() const
{
    return { QStringLiteral("wait"), QStringLiteral("format") };
}

void SearchCommand::searchWithProgress(PumpDirectory &directory, int waitMs,
                                       const QStringList &wanted, const CommonOptions &common)
{
    int answered = 0;
    const QMetaObject::Connection progress
        = QObject::connect(&directory, &PumpDirectory::pumpFound, [&answered] {
              ++answered;
              Console::showProgress(QStringLiteral("searching: %1 pumps answered").arg(answered));
          });
    Console::showProgress(QStringLiteral("searching"));
    // A command reads or lists only what the search found, so it waits the search out.
    QEventLoop loop;
    QObject::connect(&directory, &PumpDirectory::finished, &loop, &QEventLoop::quit);
    directory.search(waitMs, wanted, !common.serialPort.isEmpty());
    loop.exec();
    QObject::disconnect(progress);
    Console::clearProgress();
    for (const QString &identity : directory.unusableIdentities())
        Console::printProblem(
            QStringLiteral("pumpctl: skipped an answer that names no pump: %1").arg(identity));
}

int SearchCommand::run(const QCommandLineParser &parser, const QStringList &arguments,
                       const CommonOptions &common)
{
    if (!arguments.isEmpty())
        return CommandLine::usageError(
            QStringLiteral("search takes no arguments, not '%1'").arg(arguments.first()));
    ResultTable::Format format;
    int waitMs = 0;
    if (!CommandLine::outputOptions(parser, &format, &waitMs))
        return ExitStatus::badCommandLine;

    FleetLink link(ProgramProfile::network());
    if (!CommandLine::openLink(link, common))
        return ExitStatus::pumpsFailed;
    PumpDirectory directory(link);
    searchWithProgress(directory, waitMs, QStringList(), common);

    ResultTable table(
        { QStringLiteral("name"), QStringLiteral("address"), QStringLiteral("identity") });
    const QVector<FoundPump> pumps = directory.pumps();
    for (const FoundPump &pump : pumps)
        table.addRow({ pump.name, pump.address, pump.identity });
    Console::printResult(table.toText(format));
    if (pumps.isEmpty()) {
        Console::printProblem(QStringLiteral("pumpctl: no pump answered the search"));
        return ExitStatus::pumpsFailed;
    }
    return ExitStatus::success;
}
