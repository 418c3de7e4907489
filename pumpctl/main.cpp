#include "commandline.h"
#include "pumpversion.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pumpctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PUMPTOOLS_VERSION));
    CommandLine commandLine;
    registerCommands(commandLine);
    return commandLine.run(QCoreApplication::arguments());
}
