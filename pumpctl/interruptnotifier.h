#ifndef INTERRUPTNOTIFIER_H
#define INTERRUPTNOTIFIER_H

#include <QObject>

#ifdef Q_OS_WIN
class QWinEventNotifier;
#else
class QSocketNotifier;
#endif

// Ctrl-C as a signal on the event loop. The handler only wakes this object (POSIX:
// SIGINT writes one byte to a pipe; Windows: Ctrl-C and Ctrl-Break set an event);
// everything else happens here, on the thread that made this object. One notifier at
// a time; while it lives, Ctrl-C no longer ends the process.
class InterruptNotifier : public QObject
{
    Q_OBJECT

public:
    explicit InterruptNotifier(QObject *parent = nullptr);
    ~InterruptNotifier() override;

signals:
    void interrupted();

private:
    void drain();

#ifdef Q_OS_WIN
    QWinEventNotifier *notifier = nullptr;
#else
    QSocketNotifier *notifier = nullptr;
#endif
};

#endif // INTERRUPTNOTIFIER_H
