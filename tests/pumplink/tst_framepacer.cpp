#include "framepacer.h"
#include "pumpprotocol.h"
#include "steadyclock.h"

#include <QThread>
#include <QtTest>

// The one pacing rule, against sleeps that do not keep their word: whatever a sleep
// does, no frame leaves before its deadline.
class TestFramePacer : public QObject
{
    Q_OBJECT

private slots:
    void pausesHoldWhateverTheSleep_data();
    void pausesHoldWhateverTheSleep();
    void answerEndsThePauseEarly();
    void timerDelaysRoundUp_data();
    void timerDelaysRoundUp();
};

namespace {

constexpr qint64 pauseNs = PumpProtocol::framePauseMs * FramePacer::nsPerMs;

} // namespace

void TestFramePacer::pausesHoldWhateverTheSleep_data()
{
    QTest::addColumn<int>("shortfall");
    // How a sleep may fall short of what it was asked: by a clock tick, as Windows'
    // Sleep may; by most of it; or entirely.
    QTest::newRow("sleeps as asked") << 0;
    QTest::newRow("returns a 16 ms tick early") << 16;
    QTest::newRow("sleeps a third of it") << -3;
    QTest::newRow("returns at once") << -1;
}

void TestFramePacer::pausesHoldWhateverTheSleep()
{
    QFETCH(int, shortfall);
    int sleeps = 0;
    const FramePacer::Sleep sleep = [&](unsigned long ms) {
        ++sleeps;
        if (shortfall >= 0)
            QThread::msleep(ms > unsigned(shortfall) ? ms - shortfall : 0);
        else if (shortfall == -3)
            QThread::msleep(ms / 3);
    };
    FramePacer pacer;
    QVector<qint64> sentNs;
    for (int frame = 0; frame < 6; ++frame) {
        FramePacer::sleepUntil(pacer.readyAtNs(), sleep);
        sentNs.append(steadyNowNs());
        pacer.frameLeft(pauseNs);
    }
    QVERIFY(sleeps >= 5);
    for (int i = 1; i < sentNs.size(); ++i) {
        const qint64 gapNs = sentNs.at(i) - sentNs.at(i - 1);
        QVERIFY2(gapNs >= pauseNs,
                 qPrintable(QStringLiteral("frame %1 left %2 ms after the one "
                                           "before")
                                .arg(i)
                                .arg(gapNs / 1e6)));
    }
}

void TestFramePacer::answerEndsThePauseEarly()
{
    FramePacer pacer;
    // A pacer that has sent nothing holds nothing back.
    QVERIFY(pacer.readyAtNs() <= steadyNowNs());
    QVERIFY(!pacer.answered());

    pacer.frameLeft(pauseNs);
    QVERIFY(pacer.readyAtNs() > steadyNowNs() + pauseNs / 2);
    QVERIFY(pacer.answered());
    const qint64 readyAt = pacer.readyAtNs();
    QVERIFY(readyAt <= steadyNowNs());
    // A second answer to the same frame moves nothing.
    QVERIFY(!pacer.answered());
    QCOMPARE(pacer.readyAtNs(), readyAt);

    QElapsedTimer clock;
    clock.start();
    pacer.waitUntilReady();
    QVERIFY(clock.elapsed() < 20);
}

void TestFramePacer::timerDelaysRoundUp_data()
{
    QTest::addColumn<qint64>("waitNs");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("deadline passed") << qint64(-5 * FramePacer::nsPerMs) << 0;
    QTest::newRow("deadline now") << qint64(0) << 0;
    QTest::newRow("a nanosecond") << qint64(1) << 1;
    QTest::newRow("one millisecond") << FramePacer::nsPerMs << 1;
    QTest::newRow("just over one millisecond") << FramePacer::nsPerMs + 1 << 2;
    QTest::newRow("just under the pause") << pauseNs - 1 << PumpProtocol::framePauseMs;
}

void TestFramePacer::timerDelaysRoundUp()
{
    QFETCH(qint64, waitNs);
    QFETCH(int, delayMs);
    const qint64 now = steadyNowNs();
    QCOMPARE(FramePacer::timerDelayMs(now + waitNs, now), delayMs);
}

QTEST_GUILESS_MAIN(TestFramePacer)
#include "tst_framepacer.moc"
