#ifndef PUMPAPPLICATION_H
#define PUMPAPPLICATION_H

#include "pumpversion.h"

#include <QApplication>

// The application object of every window of the family. It gives the program its
// version and its icon, and installs the translation of the system's UI language,
// so that a window speaks it from its first text on.
class PumpApplication : public QApplication
{
public:
    // Call prepareApplication() first.
    PumpApplication(int &argc, char **argv);
};

// Scales the fixed layout on dense screens; must happen before the application
// object exists.
void prepareApplication();
void setProgramIcon();

template<class Window> int runPumpTool(int argc, char **argv)
{
    prepareApplication();
    PumpApplication application(argc, argv);
    Window window;
    window.show();
    return application.exec();
}

#endif // PUMPAPPLICATION_H
