#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "commonoptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Exit statuses: every pump did what was asked, some pumps failed, or the command
// line (or a plan) was wrong and nothing was sent.
namespace ExitStatus {
constexpr int success = 0;
constexpr int pumpsFailed = 1;
constexpr int badCommandLine = 2;
} // namespace ExitStatus

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
    // Names of the shared options ("format", "profile", "wait", "retry-for") it takes.
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

private:
    void addOptions(QCommandLineParser &parser) const;
    static QList<QCommandLineOption> commonOptions();
    static QList<QCommandLineOption> sharedOptions();

    std::vector<std::unique_ptr<PumpCtlCommand>> commands;
};

// Every command pumpctl knows, in the order the help lists them.
void registerCommands(CommandLine &commandLine);

#endif // COMMANDLINE_H
