#include "commandline.h"

#include "console.h"

#include <QCoreApplication>

namespace {

const QString serialOption = QStringLiteral("serial");
const QString adapterOption = QStringLiteral("adapter");
const QString quietOption = QStringLiteral("quiet");
const QString verboseOption = QStringLiteral("verbose");
const QString helpOption = QStringLiteral("help");
const QString versionOption = QStringLiteral("version");

// The adapter --adapter names; false, with the adapters there are, when none is so named.
bool takeAdapter(const QString &name, CommonOptions *common)
{
    const QVector<PumpAdapter> adapters = PumpAdapters::broadcastAdapters();
    common->adapter = PumpAdapters::byName(adapters, name);
    if (!common->serialPort.isEmpty()) {
        CommandLine::usageError(QStringLiteral("--adapter and --serial exclude each other"));
        return false;
    }
    if (!common->adapter.isNull())
        return true;
    CommandLine::usageError(
        adapters.isEmpty()
            ? QStringLiteral("no network adapter is called '%1': this computer has none that "
                             "is up and can broadcast")
                  .arg(name)
            : QStringLiteral("no network adapter is called '%1'; the adapters are: %2")
                  .arg(name, PumpAdapters::nameList(adapters)));
    return false;
}

} // namespace

CommandLine::CommandLine() = default;

void CommandLine::addCommand(std::unique_ptr<PumpCtlCommand> command)
{
    commands.push_back(std::move(command));
}

QList<QCommandLineOption> CommandLine::commonOptions()
{
    return {
        { serialOption,
          "Talk to the one pump on serial port PORT (a name such as ttyUSB0, or a device "
          "path such as /dev/ttyUSB0; on Windows COM5) instead of searching the Ethernet.",
          "PORT" },
        { adapterOption,
          "Search, read and write through the network adapter NAME alone (its name as the "
          "system shows it, such as enp3s0 or \"Ethernet 2\"). Without it every adapter is "
          "searched and each pump is reached through the one it answered on.",
          "NAME" },
        { quietOption, "Show no progress." },
        { verboseOption, "Write the pump link's diagnostic lines to standard error." },
        { { "h", helpOption }, "Show this help and exit." },
        { versionOption, "Show pumpctl's version and exit." },
    };
}

QList<QCommandLineOption> CommandLine::sharedOptions()
{
    return {
        { "format",
          "Output as an aligned table (the default), as CSV (for read: exactly the plan that "
          "write takes) or as JSON.",
          "table|csv|json", "table" },
        { "profile",
          "Which settings: network (all thirteen, the default), ip (the six IP settings) "
          "or, for write only, key (the five connection keys).",
          "network|ip|key", "network" },
        { "wait",
          "How long the search listens for answers, in seconds (default 3, as the "
          "windows search).",
          "SECONDS" },
        { "retry-for",
          "How long settings a pump left unanswered are asked again, in seconds (default 5; "
          "a write's verification asks at least as long as the restart wait). Plant "
          "networks lose answers.",
          "SECONDS" },
    };
}

void CommandLine::addOptions(QCommandLineParser &parser) const
{
    parser.addOptions(commonOptions());
    parser.addOptions(sharedOptions());
    QStringList added;
    for (const auto &command : commands) {
        for (const QCommandLineOption &option : command->ownOptions()) {
            if (added.contains(option.names().first()))
                continue;
            added.append(option.names().first());
            parser.addOption(option);
        }
    }
}

QString CommandLine::helpText() const
{
    QString text = QStringLiteral(
        "Usage: pumpctl [--serial PORT | --adapter NAME] [--quiet] [--verbose] COMMAND "
        "[ARGUMENTS]\n"
        "\n"
        "Finds pumps on the local Ethernet by a UDP broadcast (or the one pump on a serial\n"
        "line), reads their network settings and writes them, many pumps at once, each\n"
        "paced as the windows pace one pump.\n"
        "\n"
        "Commands:\n");
    for (const auto &command : commands) {
        text += QStringLiteral("  pumpctl %1 %2\n").arg(command->name(), command->synopsis());
        text += QStringLiteral("      %1\n").arg(command->summary());
    }
    QCommandLineParser parser;
    addOptions(parser);
    // The parser's own help is the option list behind its usage line.
    const QString options = parser.helpText();
    const int optionsAt = options.indexOf(QLatin1String("Options:"));
    text += QLatin1Char('\n') + (optionsAt < 0 ? options : options.mid(optionsAt));
    text += QStringLiteral(
        "\n"
        "PUMP is a pump's name (the 17 characters the windows list, any case) or its IPv4\n"
        "address; a name needs the search to find it first.\n"
        "Results go to standard output; problems and progress (on a terminal) to standard\n"
        "error.\n"
        "Exit status: 0 success, 1 some pumps failed, 2 bad command line or plan.\n");
    return text;
}

int CommandLine::usageError(const QString &message)
{
    Console::printProblem(QStringLiteral("pumpctl: ") + message);
    Console::printProblem(QStringLiteral("Try 'pumpctl --help'."));
    return ExitStatus::badCommandLine;
}

int CommandLine::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        Console::printResult(helpText());
        return ExitStatus::success;
    }
    if (parser.isSet(versionOption)) {
        Console::printResult(
            QStringLiteral("pumpctl %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitStatus::success;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given (search, read or write)"));
    PumpCtlCommand *command = nullptr;
    for (const auto &candidate : commands) {
        if (candidate->name() == positional.first())
            command = candidate.get();
    }
    if (!command)
        return usageError(QStringLiteral("unknown command '%1'").arg(positional.first()));

    // An option meant for another command is a mistake, not something to ignore.
    QStringList accepted = command->sharedOptions();
    for (const QCommandLineOption &option : command->ownOptions())
        accepted += option.names();
    for (const QCommandLineOption &option : commonOptions())
        accepted += option.names();
    for (const QString &given : parser.optionNames()) {
        if (!accepted.contains(given))
            return usageError(
                QStringLiteral("%1 takes no option --%2").arg(command->name(), given));
    }

    CommonOptions common;
    common.serialPort = parser.value(serialOption);
    common.quiet = parser.isSet(quietOption);
    common.verbose = parser.isSet(verboseOption);
    if (parser.isSet(serialOption) && common.serialPort.isEmpty())
        return usageError(QStringLiteral("--serial needs a port name"));
    if (parser.isSet(adapterOption) && !takeAdapter(parser.value(adapterOption), &common))
        return ExitStatus::badCommandLine;
    Console::setUp(common.verbose, common.quiet);
    return command->run(parser, positional.mid(1), common);
}
