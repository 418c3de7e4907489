#ifndef READCOMMAND_H
#define READCOMMAND_H

#include "commandline.h"

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
};

#endif // READCOMMAND_H
