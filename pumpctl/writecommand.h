#ifndef WRITECOMMAND_H
#define WRITECOMMAND_H

#include "commandline.h"

// pumpctl write: a plan of many pumps carried out, checked before anything is sent
// and every pump read back after its restart.
class WriteCommand : public PumpCtlCommand
{
public:
    QString name() const override { return QStringLiteral("write"); }
    QString synopsis() const override;
    QString summary() const override;
    QList<QCommandLineOption> ownOptions() const override;
    QStringList sharedOptions() const override;
    int run(const QCommandLineParser &parser, const QStringList &arguments,
            const CommonOptions &common) override;
};

#endif // WRITECOMMAND_H
