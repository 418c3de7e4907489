#ifndef PUMPAPPLICATION_H
#define PUMPAPPLICATION_H

#include "pumpversion.h"

#include <QApplication>

// Scales the fixed layout on dense screens and gives the program its icon; both
// must happen around the creation of the application object.
void prepareApplication();
void setProgramIcon();

template<class Window> int runPumpTool(int argc, char **argv)
{
    prepareApplication();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PUMPTOOLS_VERSION));
    setProgramIcon();
    Window window;
    window.show();
    return application.exec();
}

#endif // PUMPAPPLICATION_H
