#ifndef STARTQUEUE_H
#define STARTQUEUE_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

// Starts pumps' sequences on the link in the order they were queued, spread so that
// the fleet's frames and answers come at a rate the host's sockets can drain, and
// with no more pumps at once than a cap (--parallel for writes). Each pump's own
// pacing is the link's and stays as it is: only the moment a pump starts moves.
class StartQueue : public QObject
{
    Q_OBJECT

public:
    // Ten thousand pumps start within one frame pause: their frames then leave
    // evenly spread over it instead of all in one millisecond.
    static constexpr int startsPerMillisecond = 100;
    // Ten frames a second for each pump in its sequence, and as many answers: on one
    // host this many pumps at once is about what the sockets drain; ten thousand at
    // once lose so many answers that asking again costs more than a second wave.
    static constexpr int defaultLimit = 5000;

    using Starter = std::function<void(int pump)>;
    explicit StartQueue(Starter start, QObject *parent = nullptr);

    // Pumps in their sequence at most (defaultLimit unless set).
    void setLimit(int pumps) { limit = pumps; }
    void push(int pump);
    // A started sequence is over: the next may start.
    void release();
    // Forgets the pumps not started yet.
    void clear();

    int running() const { return inFlight; }
    bool isIdle() const { return inFlight == 0 && queue.empty(); }

private:
    void startSome();

    Starter start;
    std::deque<int> queue;
    int limit = defaultLimit;
    int inFlight = 0;
    QTimer nextMillisecond;
    QElapsedTimer clock;
    qint64 windowMs = -1;
    int startsInWindow = 0;
};

#endif // STARTQUEUE_H
