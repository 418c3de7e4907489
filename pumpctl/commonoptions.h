#ifndef COMMONOPTIONS_H
#define COMMONOPTIONS_H

#include "pumpadapter.h"
#include "resulttable.h"

#include <QCommandLineParser>
#include <QString>

class FleetLink;

// What every command may be given.
struct CommonOptions
{
    QString serialPort; // empty: Ethernet
    PumpAdapter adapter; // null: every adapter
    bool quiet = false;
    bool verbose = false;
};

// The options several commands share, read from the command line; each returns
// false, with the reason on standard error, for a value it cannot take.
namespace CommonOption {

// A number of seconds from 0 to 3600 given to --`name`, in milliseconds;
// `defaultSeconds` when the option is not given.
bool milliseconds(const QCommandLineParser &parser, const QString &name, double defaultSeconds,
                  int *ms);
// --wait: how long the search listens.
bool searchWaitMs(const QCommandLineParser &parser, int *waitMs);
// --retry-for: how long settings left unanswered are asked again.
bool retryMs(const QCommandLineParser &parser, int *retryMs);
// --format.
bool format(const QCommandLineParser &parser, ResultTable::Format *format);

// Opens the link --serial asks for (Ethernet without it), or says on standard error
// why it cannot.
bool openLink(FleetLink &link, const CommonOptions &common);

} // namespace CommonOption

#endif // COMMONOPTIONS_H
