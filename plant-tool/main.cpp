#include "plantwindow.h"
#include "pumpapplication.h"

#include <QCommandLineParser>

int main(int argc, char **argv)
{
    prepareApplication();
    // Its version, its icon, and the technician's language, as every window of the family.
    PumpApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "The plant's pumps in one table, written at once."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("plan"),
        QCoreApplication::translate("main", "A plan to open once the first search has ended."));
    QCommandLineOption restartWait(
        QStringLiteral("restart-wait"),
        QCoreApplication::translate("main", "How long the pumps take to restart (default 15)."),
        QStringLiteral("seconds"));
    parser.addOption(restartWait);
    parser.process(application);

    PlantWindow window;
    if (parser.isSet(restartWait))
        window.setRestartWaitMs(int(parser.value(restartWait).toDouble() * 1000));
    if (!parser.positionalArguments().isEmpty()) {
        window.setStartupPlan(parser.positionalArguments().first());
        window.searchPumps();
    }
    window.show();
    return application.exec();
}
