#ifndef READCOMMAND_H
#define READCOMMAND_H

#include "commandline.h"
#include "pumpdirectory.h"

#include <QVector>

class FleetLink;
class FleetReader;
class ProgramProfile;
class ResultTable;

// pumpctl read: the settings of the pumps named (or of every pump found), read in
// parallel, one row per pump.
class ReadCommand : public PumpCtlCommand
{
public:
    QString name() const override { return QStringLiteral("read"); }
    QString synopsis() const override;
    QString summary() const override;
    QList<QCommandLineOption> ownOptions() const override;
    QStringList sharedOptions() const override;
    int run(const QCommandLineParser &parser, const QStringList &arguments,
            const CommonOptions &common) override;

    // The pumps `names` (names or addresses, or every pump found with `all`) stand
    // for, searching first when a name or `all` needs it. Names nobody answered to
    // are reported on standard error and go to `unknown`.
    static QVector<PumpTarget> findTargets(FleetLink &link, const QStringList &names, bool all,
                                           int searchWaitMs, const CommonOptions &common,
                                           QStringList *unknown);
    // One row per pump: "pump" (its name when known, else its address), then one
    // column per setting, named by its mnemonic: what `write` takes.
    static ResultTable settingsTable(const ProgramProfile &profile, const FleetReader &reader);
};

#endif // READCOMMAND_H
