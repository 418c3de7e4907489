#include "pumpapplication.h"

#include "windowlanguage.h"

#include <QIcon>

PumpApplication::PumpApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationVersion(QStringLiteral(PUMPTOOLS_VERSION));
    setProgramIcon();
    WindowLanguage::install();
}

void prepareApplication()
{
#if QT_VERSION_MAJOR < 6
    // Qt 6 always scales and always draws high-resolution pixmaps; Qt 5 does so only
    // when asked, before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

void setProgramIcon()
{
#ifndef Q_OS_WIN
    // On Windows the executable's IDI_ICON1 resource is the window's icon already.
    QIcon icon;
    for (const int size : { 16, 24, 32, 48, 256 })
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
#endif
}
