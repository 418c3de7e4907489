#include "commonoptions.h"

#include "commandline.h"
#include "console.h"
#include "fleetlink.h"

#include <cmath>

namespace {

// The windows' search lasts as long.
constexpr double defaultSearchWaitSeconds = 3.0;
// A pump that lost an answer is asked again for this long by default.
constexpr double defaultRetrySeconds = 5.0;
constexpr double longestSeconds = 3600.0;

} // namespace

namespace CommonOption {

bool milliseconds(const QCommandLineParser &parser, const QString &name, double defaultSeconds,
                  int *ms)
{
    double seconds = defaultSeconds;
    if (parser.isSet(name)) {
        bool ok = false;
        seconds = parser.value(name).toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > longestSeconds) {
            CommandLine::usageError(
                QStringLiteral("--%1 takes a number of seconds from 0 to 3600, not '%2'")
                    .arg(name, parser.value(name)));
            return false;
        }
    }
    *ms = int(std::lround(seconds * 1000));
    return true;
}

bool searchWaitMs(const QCommandLineParser &parser, int *waitMs)
{
    return milliseconds(parser, QStringLiteral("wait"), defaultSearchWaitSeconds, waitMs);
}

bool retryMs(const QCommandLineParser &parser, int *retryMs)
{
    return milliseconds(parser, QStringLiteral("retry-for"), defaultRetrySeconds, retryMs);
}

bool format(const QCommandLineParser &parser, ResultTable::Format *format)
{
    if (ResultTable::parseFormat(parser.value(QStringLiteral("format")), format))
        return true;
    CommandLine::usageError(QStringLiteral("--format is table, csv or json"));
    return false;
}

bool openLink(FleetLink &link, const CommonOptions &common)
{
    if (common.serialPort.isEmpty()) {
        link.restrictToAdapter(common.adapter);
        if (link.openEthernet())
            return true;
        Console::printProblem(QStringLiteral("pumpctl: cannot open a UDP socket: ")
                              + link.errorString());
        return false;
    }
    if (link.openSerial(common.serialPort))
        return true;
    Console::printProblem(
        QStringLiteral("pumpctl: cannot open %1: %2").arg(common.serialPort, link.errorString()));
    return false;
}

} // namespace CommonOption
