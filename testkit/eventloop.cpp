#include "eventloop.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    poll.start(1);
    if (!done())
        loop.exec();
    return done();
}

void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}
