// pump-sim: pumps on loopback (and optionally on a pseudo-terminal) that answer
// the tools' protocol, for demonstrations and manual testing without hardware.

#include "pumpsimulator.h"
#include "testnetwork.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

namespace {

constexpr int maximumPumps = 10000;

struct FaultName
{
    const char *name;
    PumpFault fault;
};

const FaultName faultNames[] = {
    { "None", PumpFault::None },
    { "Silent", PumpFault::Silent },
    { "LowerCase", PumpFault::LowerCase },
    { "SplitReplies", PumpFault::SplitReplies },
    { "JoinReplies", PumpFault::JoinReplies },
    { "UnknownMnemonics", PumpFault::UnknownMnemonics },
    { "EchoQueries", PumpFault::EchoQueries },
};

bool faultFromName(const QString &text, PumpFault *fault)
{
    for (const FaultName &entry : faultNames) {
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *fault = entry.fault;
            return true;
        }
    }
    return false;
}

QString faultList()
{
    QStringList names;
    for (const FaultName &entry : faultNames)
        names << QLatin1String(entry.name);
    return names.join(QStringLiteral(", "));
}

QMap<QByteArray, QByteArray> defaultSettings(const QHostAddress &address)
{
    return {
        { "NAM", "DHCP" },       { "NIP", address.toString().toLatin1() },
        { "NSM", "255.0.0.0" },  { "NDG", "127.0.0.1" },
        { "ND1", "127.0.0.53" }, { "ND2", "127.0.0.54" },
        { "NTT", "30" },         { "NUH", "+01" },
        { "NUM", "00" },         { "NCM", "ON" },
        { "NBT", "OFF" },        { "NTN", "OFF" },
        { "NPA", "126" },
    };
}

// The tools list pumps by the first 17 characters of the name, so the number
// comes early enough to keep every pump apart.
QString pumpName(int index)
{
    return QStringLiteral("SIMPUMP %1 LOOPBACK").arg(index, 4, 10, QLatin1Char('0'));
}

bool inLoopbackNet(quint32 address) { return (address >> 24) == 127; }

QString hexBytes(const QByteArray &bytes) { return QString::fromLatin1(bytes.toHex(' ')); }

struct SimulatorOptions
{
    int pumps = 1;
    int firstNumber = 0;
    QHostAddress firstAddress;
    int restartMs = 0;
    double lossPercent = 0;
    quint32 lossSeed = 1;
    PumpFault fault = PumpFault::None;
    bool brand = false;
    bool serial = false;
    bool log = false;
};

void addLossOptions(QCommandLineParser &parser)
{
    parser.addOption({ QStringLiteral("loss"),
                       QStringLiteral("Share of answers to settings queries that get lost, in "
                                      "percent (default 0)."),
                       QStringLiteral("percent"), QStringLiteral("0") });
    parser.addOption({ QStringLiteral("seed"),
                       QStringLiteral("Seed of the generator that picks the lost answers "
                                      "(default 1): the same seed, the same answers lost."),
                       QStringLiteral("n"), QStringLiteral("1") });
}

bool parseLoss(const QCommandLineParser &parser, SimulatorOptions *options)
{
    QTextStream err(stderr);
    bool ok = false;
    options->lossPercent = parser.value(QStringLiteral("loss")).toDouble(&ok);
    if (!ok || !(options->lossPercent >= 0 && options->lossPercent <= 100)) {
        err << "pump-sim: --loss must be a percentage from 0 to 100" << Qt::endl;
        return false;
    }
    options->lossSeed = parser.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok) {
        err << "pump-sim: --seed must be a whole number" << Qt::endl;
        return false;
    }
    return true;
}

// The pumps follow `text` one address each; all of them must stay on loopback, or in
// the benchmarking range inside a test's namespace of veth pairs.
bool takeFirstAddress(const QString &text, SimulatorOptions *options)
{
    options->firstAddress = QHostAddress(text);
    const quint32 firstIpv4 = options->firstAddress.toIPv4Address();
    const QHostAddress lastAddress(firstIpv4 + quint32(options->pumps - 1));
    if (options->firstAddress.protocol() == QAbstractSocket::IPv4Protocol
        && inLoopbackNet(firstIpv4) && inLoopbackNet(lastAddress.toIPv4Address()))
        return true;
    QTextStream err(stderr);
    if (TestNetwork::isBenchmarkingAddress(options->firstAddress)
        && TestNetwork::isBenchmarkingAddress(lastAddress)) {
        QString why;
        if (TestNetwork::inVethNamespace(&why))
            return true;
        err << "pump-sim: 198.18.0.0/15 is served only inside a network namespace of loopback "
               "and veth pairs: "
            << why << Qt::endl;
        return false;
    }
    err << "pump-sim: every pump address must lie in 127.0.0.0/8 (or 198.18.0.0/15 inside a "
           "test's namespace of veth pairs); this is a loopback simulator"
        << Qt::endl;
    return false;
}

// Reads the command line; false, with the reason on standard error, when it is wrong.
bool parseOptions(const QCoreApplication &app, SimulatorOptions *options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated pumps on loopback UDP port 58765 and, optionally, on a "
                       "pseudo-terminal. Runs until killed."));
    parser.addHelpOption();
    const QCommandLineOption pumpsOption(QStringLiteral("pumps"),
                                         QStringLiteral("Number of pumps (default 1)."),
                                         QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption firstAddressOption(
        QStringLiteral("first-address"),
        QStringLiteral("Address of pump 0; the others follow it (default 127.0.0.2)."),
        QStringLiteral("address"), QStringLiteral("127.0.0.2"));
    const QCommandLineOption firstNumberOption(
        QStringLiteral("first-number"),
        QStringLiteral("Number in pump 0's name; the others follow it (default 0). Simulators "
                       "side by side keep their pumps' names apart this way."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption serialOption(
        QStringLiteral("serial"), QStringLiteral("Also serve pump 0 on a pseudo-terminal."));
    const QCommandLineOption restartOption(
        QStringLiteral("restart-ms"), QStringLiteral("Silence after a save, in ms (default 5000)."),
        QStringLiteral("ms"), QStringLiteral("5000"));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
                                         QStringLiteral("Fault of pump 0: %1.").arg(faultList()),
                                         QStringLiteral("name"), QStringLiteral("None"));
    const QCommandLineOption brandOption(
        QStringLiteral("brand"),
        QStringLiteral("Identity as \"BRAND <name> AT <address> ...\" instead of "
                       "\"<name> @ <address> ...\"."));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Print every received frame in hex."));
    parser.addOptions({ pumpsOption, firstAddressOption, firstNumberOption, serialOption,
                        restartOption, faultOption, brandOption, logOption });
    addLossOptions(parser);
    parser.process(app);

    QTextStream err(stderr);
    bool ok = false;
    options->pumps = parser.value(pumpsOption).toInt(&ok);
    if (!ok || options->pumps < 1 || options->pumps > maximumPumps) {
        err << "pump-sim: --pumps must be between 1 and " << maximumPumps << Qt::endl;
        return false;
    }
    options->firstNumber = parser.value(firstNumberOption).toInt(&ok);
    if (!ok || options->firstNumber < 0 || options->firstNumber + options->pumps > maximumPumps) {
        err << "pump-sim: --first-number must leave every pump a number below " << maximumPumps
            << Qt::endl;
        return false;
    }
    options->restartMs = parser.value(restartOption).toInt(&ok);
    if (!ok || options->restartMs < 0) {
        err << "pump-sim: --restart-ms must be a number of milliseconds" << Qt::endl;
        return false;
    }
    if (!parseLoss(parser, options))
        return false;
    if (!faultFromName(parser.value(faultOption), &options->fault)) {
        err << "pump-sim: unknown fault " << parser.value(faultOption) << "; one of " << faultList()
            << Qt::endl;
        return false;
    }
    if (!takeFirstAddress(parser.value(firstAddressOption), options))
        return false;
    options->brand = parser.isSet(brandOption);
    options->serial = parser.isSet(serialOption);
    options->log = parser.isSet(logOption);
    return true;
}

// Adds the pumps and opens what the options ask for, naming each on standard output.
bool startPumps(PumpSimulator &simulator, const SimulatorOptions &options, QTextStream &out)
{
    QTextStream err(stderr);
    simulator.setRestartMs(options.restartMs);
    simulator.setLoss(options.lossPercent, options.lossSeed);
    const quint32 firstIpv4 = options.firstAddress.toIPv4Address();
    for (int i = 0; i < options.pumps; ++i) {
        SimulatedPumpConfig config;
        config.name = pumpName(options.firstNumber + i);
        config.address = QHostAddress(firstIpv4 + quint32(i));
        config.identityForm
            = options.brand ? IdentityForm::BrandWordAndAt : IdentityForm::AddressAfterAt;
        config.settings = defaultSettings(config.address);
        if (simulator.addPump(config) < 0) {
            err << "pump-sim: cannot serve a pump at " << config.address.toString() << Qt::endl;
            return false;
        }
        out << "pump " << i << ": " << config.name << " at " << config.address.toString() << '\n';
    }
    simulator.setFault(0, options.fault);
    if (!simulator.listenForBroadcasts())
        err << "pump-sim: identity broadcasts will not be answered" << Qt::endl;
    if (options.serial) {
        const QString path = simulator.openSerialLine(0);
        if (path.isEmpty()) {
            err << "pump-sim: cannot open a pseudo-terminal" << Qt::endl;
            return false;
        }
        out << "serial: " << path << '\n';
    }
    out.flush();
    return true;
}

void logFrame(QTextStream &out, const ReceivedFrame &frame)
{
    out << QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz")) << ' ';
    if (frame.transport == ReceivedFrame::Serial)
        out << "serial pump " << frame.pump;
    else if (frame.pump < 0)
        out << "udp broadcast";
    else
        out << "udp pump " << frame.pump;
    if (frame.transport == ReceivedFrame::Udp)
        out << " from " << frame.sender.toString() << ':' << frame.senderPort;
    out << ": " << hexBytes(frame.bytes) << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pump-sim"));

    SimulatorOptions options;
    if (!parseOptions(app, &options))
        return 2;
    QTextStream out(stdout);
    PumpSimulator simulator;
    if (!startPumps(simulator, options, out))
        return 1;
    if (options.log) {
        QObject::connect(&simulator, &PumpSimulator::frameReceived, &app,
                         [&out](const ReceivedFrame &frame) { logFrame(out, frame); });
    }
    return app.exec();
}
