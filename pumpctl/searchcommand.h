#ifndef SEARCHCOMMAND_H
#define SEARCHCOMMAND_H

#include "commandline.h"

// pumpctl search: every pump that answers one search, as the windows list them.
class SearchCommand : public PumpCtlCommand
{
public:
    QString name() const override { return QStringLiteral("search"); }
    QString synopsis() const override;
    QString summary() const override;
    QStringList sharedOptions() const override;
    int run(const QCommandLineParser &parser, const QStringList &arguments,
            const CommonOptions &common) override;
};

#endif // SEARCHCOMMAND_H
