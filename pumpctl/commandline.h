#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "resulttable.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class FleetLink;

// Exit statuses: every pump did what was asked, some pumps failed, or the command
// line (or a plan) was wrong and nothing was sent.
namespace ExitStatus {
constexpr int success = 0;
constexpr int pumpsFailed = 1;
constexpr int badCommandLine = 2;
} // namespace ExitStatus

// What every command may be given.
struct CommonOptions
{
    QString serialPort; // empty: Ethernet
    bool quiet = false;
    bool verbose = false;
};

// One subcommand of pumpctl.
class PumpCtlCommand
{
public:
    virtual ~PumpCtlCommand() = default;

    virtual QString name() const = 0;
    // The command's arguments and options as the help shows them.
    virtual QString synopsis() const = 0;
    virtual QString summary() const = 0;
    // Options of this command alone; the shared ones are CommandLine's.
    virtual QList<QCommandLineOption> ownOptions() const { return {}; }
    // Names of the shared options ("format", "profile", "wait") it takes.
    virtual QStringList sharedOptions() const { return {}; }
    // `arguments` are the positional arguments after the command's name.
    virtual int run(const QCommandLineParser &parser, const QStringList &arguments,
                    const CommonOptions &common)
        = 0;
};

// Parses pumpctl's command line and runs the command it names.
class CommandLine
{
public:
    CommandLine();

    void addCommand(std::unique_ptr<PumpCtlCommand> command);
    int run(const QStringList &arguments);
    QString helpText() const;

    // Reports a wrong command line on standard error; returns the exit status for it.
    static int usageError(const QString &message);
    // Opens the link the common options ask for, or says on standard error why not.
    static bool openLink(FleetLink &link, const CommonOptions &common);
    // --wait, in milliseconds; false (and a message) for a value that is not a number
    // of seconds.
    static bool searchWaitMs(const QCommandLineParser &parser, int *waitMs);
    // --format and --wait of the commands that print a table; false (and a message)
    // when either is wrong.
    static bool outputOptions(const QCommandLineParser &parser, ResultTable::Format *format,
                              int *waitMs);

private:
    void addOptions(QCommandLineParser &parser) const;
    static QList<QCommandLineOption> commonOptions();
    static QList<QCommandLineOption> sharedOptions();

    std::vector<std::unique_ptr<PumpCtlCommand>> commands;
};

// Every command pumpctl knows, in the order the help lists them.
void registerCommands(CommandLine &commandLine);

#endif // COMMANDLINE_H
