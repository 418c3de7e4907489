#ifndef SEARCHCOMMAND_H
#define SEARCHCOMMAND_H

#include "commandline.h"

#include <QVector>

class PumpDirectory;

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

    // Searches and shows progress while pumps answer: on a serial line until its pump
    // has answered, elsewhere until `wanted` have (all of them when empty) or the
    // wait is over.
    static void searchWithProgress(PumpDirectory &directory, int waitMs, const QStringList &wanted,
                                   const CommonOptions &common);
};

#endif // SEARCHCOMMAND_H
