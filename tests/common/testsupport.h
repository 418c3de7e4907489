#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "eventloop.h"
#include "isolatednetwork.h"
#include "stallmeter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkInterface>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>

#define SKIP_UNLESS_ISOLATED()                                                                     \
    do {                                                                                           \
        if (!inIsolatedNetwork())                                                                  \
            QSKIP("Needs the identity broadcast, which is only sent inside a private network "     \
                  "namespace whose only interface is loopback (run the tests through "             \
                  "scripts/run-tests)");                                                           \
    } while (false)

// Collects the program's diagnostic lines (the debug stream only; the toolkit's own
// warnings go their usual way). Lines come from the worker thread too.
class LogCapture
{
public:
    LogCapture()
    {
        instance() = this;
        previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(previous);
        instance() = nullptr;
    }

    QStringList lines() const
    {
        QMutexLocker locker(&mutex);
        return captured;
    }
    void clear()
    {
        QMutexLocker locker(&mutex);
        captured.clear();
    }
    // The captured lines that start with `prefix`, in order.
    QStringList linesStartingWith(const QString &prefix) const
    {
        QStringList matching;
        for (const QString &line : lines()) {
            if (line.startsWith(prefix))
                matching.append(line);
        }
        return matching;
    }

private:
    static LogCapture *&instance()
    {
        static LogCapture *current = nullptr;
        return current;
    }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        LogCapture *capture = instance();
        if (capture && type == QtDebugMsg) {
            QMutexLocker locker(&capture->mutex);
            capture->captured.append(message);
            return;
        }
        if (capture && capture->previous)
            capture->previous(type, context, message);
        else
            fprintf(stderr, "%s\n", qPrintable(message));
    }

    mutable QMutex mutex;
    QStringList captured;
    QtMessageHandler previous = nullptr;
};

#endif // TESTSUPPORT_H
