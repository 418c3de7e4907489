#ifndef INTERRUPTNOTIFIER_H
#define INTERRUPTNOTIFIER_H

#include <QObject>

class QSocketNotifier;

// Ctrl-C (SIGINT) as a signal on the event loop. The handler only writes one byte to
// a pipe; everything else happens here, on the thread that made this object. One
// notifier at a time; while it lives, SIGINT no longer ends the process.
class InterruptNotifier : public QObject
{
    Q_OBJECT

public:
    explicit InterruptNotifier(QObject *parent = nullptr);
    ~InterruptNotifier() override;

    // False when the pipe or the handler could not be set up.
    bool isWatching() const { return notifier != nullptr; }

signals:
    void interrupted();

private:
    void drain();

    QSocketNotifier *notifier = nullptr;
};

#endif // INTERRUPTNOTIFIER_H
