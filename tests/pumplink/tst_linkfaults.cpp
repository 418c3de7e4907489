#include "pumpfixtures.h"
#include "pumpmanager.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QtTest>
#include <memory>

// Faults of the plant floor, through the real transports: pumps that fall silent
// in the middle of a sequence, serial adapters pulled while open, floods of junk.
// After each the link must recover with the next selection, and what it sends
// must stay exactly what it should be.
class TestLinkFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void serialDeviceVanishesWhileOpen();
    void serialDeviceVanishesDuringRead();
    void serialDeviceVanishesDuringWrite();
    void pumpFallsSilentDuringEthernetRead();
    void pumpFallsSilentDuringEthernetWrite();
    void junkFloodDuringEthernetRead();
    void thousandPumpsAnswerOneSearch();

private:
    std::unique_ptr<PumpSimulatorThread> sim;
    std::unique_ptr<LogCapture> capture;
    QString serialLine;
};

void TestLinkFaults::initTestCase()
{
    qRegisterMetaType<PUMP_MODEL_T>("PUMP_MODEL_T");
    capture = std::make_unique<LogCapture>();
}

void TestLinkFaults::init()
{
    sim = startSimulator({ standardPump(0) });
    QVERIFY2(sim, "the pump did not get its number");
    serialLine = sim->openSerialLine(0);
    QVERIFY(!serialLine.isEmpty());
    capture->clear();
}

void TestLinkFaults::cleanup() { sim.reset(); }

void TestLinkFaults::serialDeviceVanishesWhileOpen()
{
    PumpManager manager;
    manager.setConnection(serialLine);
    capture->clear();
    sim->closeSerialLine();
    runFor(300);
    // Reported once and closed, instead of a failure on every turn of the loop.
    const QStringList lost = capture->linesStartingWith("[PumpManager] handleError");
    QCOMPARE(lost.size(), 1);
    QVERIFY2(lost.first().startsWith("[PumpManager] handleError () Serial Port \"")
                 && lost.first().contains("\" lost: \""),
             qPrintable(lost.first()));

    // The adapter comes back under a new name: choosing it works as before.
    const QString newLine = sim->openSerialLine(0);
    QSignalSpy assignments(&manager, &PumpManager::amAvailable);
    manager.setConnection(newLine);
    manager.getPumpSettings(newLine);
    QCOMPARE(assignments.count(), 1);
    QCOMPARE(assignments.first().first().toString(), QStringLiteral("STATIC"));
}

void TestLinkFaults::serialDeviceVanishesDuringRead()
{
    PumpManager manager;
    QSignalSpy assignments(&manager, &PumpManager::amAvailable);
    manager.setConnection(serialLine);
    sim->setReplyDelayMs(60);
    onSimulatorAfter(*sim, 250, [](PumpSimulator &simulator) { simulator.closeSerialLine(); });
    QElapsedTimer clock;
    clock.start();
    manager.getPumpSettings(serialLine);
    // The read stops with the device instead of waiting out every remaining query.
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(capture->linesStartingWith("[PumpManager] handleError").size(), 1);
    runFor(100);

    const QString newLine = sim->openSerialLine(0);
    sim->setReplyDelayMs(0);
    manager.setConnection(newLine);
    assignments.clear();
    manager.getPumpSettings(newLine);
    QCOMPARE(assignments.count(), 1);
}

void TestLinkFaults::serialDeviceVanishesDuringWrite()
{
    PumpManager manager;
    manager.setConnection(serialLine);
    sim->setReplyDelayMs(60);
    onSimulatorAfter(*sim, 250, [](PumpSimulator &simulator) { simulator.closeSerialLine(); });
    PUMP_MODEL_T pump;
    pump.am = QStringLiteral("DHCP");
    // A write cut off before its save frame has not delivered the settings.
    QCOMPARE(manager.setPumpSettings(pump), false);
    QVERIFY(capture->lines().contains("[PumpManager] closeSerialPort ()"));
    QVERIFY(!capture->lines().contains("[PumpManager] setPumpSettings () Serial port settings "
                                       "updated"));
    QVERIFY(!sim->serialBytes().contains(QByteArray::fromHex("024e53560d")));
}

void TestLinkFaults::pumpFallsSilentDuringEthernetRead()
{
    PumpManager manager;
    QStringList values;
    connect(&manager, &PumpManager::ipAvailable, [&](QString value) { values.append(value); });
    connect(&manager, &PumpManager::paAvailable, [&](QString value) { values.append(value); });
    onSimulatorAfter(*sim, 250,
                     [](PumpSimulator &simulator) { simulator.setFault(0, PumpFault::Silent); });
    manager.connectToPump(QStringLiteral("127.0.0.2"));
    runUntil([&] { return sim->frames().size() == 13; }, 3000);
    runFor(150);
    // Every query still left; what came back before the silence was shown.
    QCOMPARE(sim->frames().size(), 13);
    QCOMPARE(values, QStringList({ "10.1.2.3" }));

    // The pump is back: the next selection reads everything.
    sim->setFault(0, PumpFault::None);
    values.clear();
    manager.connectToPump(QStringLiteral("127.0.0.2"));
    QVERIFY(runUntil([&] { return values.size() == 2; }, 3000));
    QCOMPARE(values, QStringList({ "10.1.2.3", "126" }));
}

void TestLinkFaults::pumpFallsSilentDuringEthernetWrite()
{
    PumpManager manager;
    manager.connectToPump(QStringLiteral("127.0.0.2"));
    runUntil([&] { return sim->frames().size() == 13; }, 3000);
    runFor(150);
    sim->clearFrames();
    sim->setFault(0, PumpFault::Silent);
    PUMP_MODEL_T pump;
    pump.am = QStringLiteral("Static");
    pump.ip = QStringLiteral("10.9.8.7");
    QVERIFY(manager.setPumpSettings(pump));
    QVERIFY(runUntil(
        [&] { return capture->lines().contains("[PumpManager] on_setWorker_finished ()"); }, 3000));
    // The write does not depend on answers: all fourteen frames, exact, then closed.
    // The save frame left just before the completion; give the pump its moment to read it.
    runUntil([&] { return sim->frames().size() == 14; }, 500);
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frames.size(), 14);
    QCOMPARE(frames.at(1).bytes, QByteArray("\x02NIP,10.9.8.7\r"));
    QCOMPARE(frames.last().bytes, QByteArray::fromHex("024e53560d"));
    QCOMPARE(capture->lines().last(), QStringLiteral("[PumpManager] socketDisconnected ()"));
}

void TestLinkFaults::junkFloodDuringEthernetRead()
{
    PumpManager manager;
    QStringList events;
    for (auto signal :
         { &PumpManager::amAvailable, &PumpManager::ipAvailable, &PumpManager::paAvailable }) {
        connect(&manager, signal, [&](QString value) { events.append(value); });
    }
    // Counted from the simulator's signal: asking it for its frames would wait for
    // its thread, which is busy flooding, and the wait would count as a stall.
    int received = 0;
    connect(sim.get(), &PumpSimulatorThread::frameReceived, this, [&] { ++received; });
    manager.connectToPump(QStringLiteral("127.0.0.2"));
    QVERIFY(runUntil([&] { return received > 0; }, 1000));
    const quint16 toolPort = sim->frames().first().senderPort;

    StallMeter stalls;
    floodToolWithJunk(*sim, toolPort);
    runUntil([&] { return received == 13; }, 4000);
    runFor(300);
    qInfo("longest event-loop stall during the flood: %.1f ms", stalls.longestMs());
    QVERIFY2(stalls.longestMs() < 50.0, qPrintable(QString::number(stalls.longestMs())));
    // Answers that met a full receive buffer are lost with the junk; the read sent
    // every query regardless, and the next selection reads everything again.
    QCOMPARE(received, 13);
    events.clear();
    manager.connectToPump(QStringLiteral("127.0.0.2"));
    QVERIFY(runUntil([&] { return events.size() == 3; }, 3000));
    QCOMPARE(events, QStringList({ "STATIC", "10.1.2.3", "126" }));
}

void TestLinkFaults::thousandPumpsAnswerOneSearch()
{
    SKIP_UNLESS_ISOLATED();
    sim = std::make_unique<PumpSimulatorThread>();
    sim->call([](PumpSimulator &simulator) {
        for (int i = 0; i < 1000; ++i)
            QVERIFY(simulator.addPump(standardPump(i)) == i);
        QVERIFY(simulator.listenForBroadcasts());
    });
    PumpManager manager;
    // First a flood of junk, read while it lasts: reading must keep pace afterwards
    // (a notification that once found nothing to read used to silence the socket).
    int received = 0;
    connect(sim.get(), &PumpSimulatorThread::frameReceived, this, [&] { ++received; });
    manager.connectToPump(QStringLiteral("127.0.0.2"));
    QVERIFY(runUntil([&] { return received > 0; }, 1000));
    const quint16 toolPort = sim->frames().first().senderPort;
    floodToolWithJunk(*sim, toolPort);
    runUntil([&] { return received == 13; }, 4000);
    runFor(300);

    QSet<QString> identities;
    connect(&manager, &PumpManager::idAvailable, [&](QString text) { identities.insert(text); });
    StallMeter stalls;
    manager.searchPumps();
    runUntil([&] { return identities.size() == 1000; }, 5000);
    qInfo("longest event-loop stall while 1000 pumps answered: %.1f ms", stalls.longestMs());
    QCOMPARE(identities.size(), 1000);
    QVERIFY(identities.contains("PUMP-1000-AB12CD3 @ 127.0.3.233 FW 2.4"));
}

QTEST_MAIN(TestLinkFaults)
#include "tst_linkfaults.moc"
