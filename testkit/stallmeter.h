#ifndef STALLMETER_H
#define STALLMETER_H

#include <QElapsedTimer>
#include <QTimer>

// Measures how long the thread's event loop goes without turning: a 1 ms timer
// records the longest gap between its ticks while it runs. It starts measuring when
// made; start() and stop() measure one stretch after another with the same meter.
class StallMeter
{
public:
    StallMeter();

    // Forgets what was measured and measures from now on.
    void start();
    // Ends the stretch and returns its longest gap in ms, counting the one still open:
    // a stall that ends the stretch counts as much as one inside it.
    double stop();
    // The longest gap so far, the one still open included while the meter runs.
    double longestMs() const;

private:
    void tick();

    QTimer ticker;
    QElapsedTimer clock;
    qint64 lastNs = 0;
    qint64 longestNs = 0;
};

#endif // STALLMETER_H
