#ifndef LAPTOPNETWORK_H
#define LAPTOPNETWORK_H

#include "isolatednetwork.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

// A technician's laptop with three network adapters, built around this test's own
// namespace by tests/common/laptop-network (see there): office0 (default route) with
// a pump at 198.18.1.10, lab0 with one at 198.18.3.10, and cable0 with the pump alone
// on the cable at 198.19.7.7, outside every network of the laptop. Each pump is a
// pump-sim of its own in a namespace of its own; all goes when this object does.
class LaptopNetwork
{
public:
    static constexpr char cablePump[] = "198.19.7.7";

    // Null when the laptop can be built here; else why not, for QSKIP.
    static QString whyNot()
    {
#ifdef Q_OS_WIN
        return QStringLiteral("network namespaces are Linux's");
#else
        if (!inIsolatedNetwork())
            return QStringLiteral("the laptop is built only inside a private network namespace "
                                  "whose only interface is loopback (run the tests through "
                                  "scripts/run-tests)");
        if (geteuid() != 0)
            return QStringLiteral("making veth pairs needs root in this namespace");
        if (QStandardPaths::findExecutable(QStringLiteral("ip")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
            return QStringLiteral("needs ip (iproute2) and unshare (util-linux)");
        if (QProcess::execute(QStringLiteral("unshare"),
                              { QStringLiteral("--net"), QStringLiteral("true") })
            != 0)
            return QStringLiteral("this system does not let the test make network namespaces");
        return QString();
#endif
    }

    // Builds it; the pump on the cable may also move to `cableExtras` (address/prefix)
    // after a save. False, with the script's words in `error`, when it failed.
    bool up(const QStringList &cableExtras, QString *error)
    {
        built = true;
        return run(QStringList { QStringLiteral("up"), QStringLiteral(PUMPSIM_PATH), dir.path() }
                       + cableExtras,
                   error);
    }

    ~LaptopNetwork()
    {
        if (built) {
            QString ignored;
            run({ QStringLiteral("down"), dir.path() }, &ignored);
        }
    }

    // What the pump behind `adapter` received, as pump-sim logs it.
    QString pumpLog(const QString &adapter) const
    {
        QFile file(QDir(dir.path()).filePath(adapter + QStringLiteral(".log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    bool run(const QStringList &arguments, QString *error)
    {
        QProcess script;
        script.start(QStringLiteral(LAPTOP_NETWORK_SCRIPT), arguments);
        const bool ok = script.waitForFinished(30000) && script.exitStatus() == QProcess::NormalExit
            && script.exitCode() == 0;
        *error = QString::fromUtf8(script.readAllStandardError());
        return ok;
    }

    QTemporaryDir dir;
    bool built = false;
};

#define SKIP_UNLESS_LAPTOP_CAN_BE_BUILT()                                                          \
    do {                                                                                           \
        const QString why = LaptopNetwork::whyNot();                                               \
        if (!why.isNull())                                                                         \
            QSKIP(qPrintable(QStringLiteral("Cannot build the laptop of several adapters: ")       \
                             + why));                                                              \
    } while (false)

#endif // LAPTOPNETWORK_H
