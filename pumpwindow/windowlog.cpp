#include "windowlog.h"

#include <QCoreApplication>
#include <QSysInfo>

void logStartupBanner(const char *buildDate, const char *buildTime)
{
    qDebug() << QCoreApplication::applicationName() << "Application started.";
    qDebug() << "Build Arch: " << QSysInfo::buildCpuArchitecture()
             << ", Run Arch: " << QSysInfo::currentCpuArchitecture();
    qDebug() << "Compiled with Qt Version: " << QT_VERSION_STR;
    qDebug() << "C++ Version: " << __cplusplus;
    qDebug() << "Date: " << buildDate << " at " << buildTime;
}
