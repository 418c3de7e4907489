#include "mainwindow.h"
#include "pumpfixtures.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

// The window under the plant floor's faults, through the real transports: a
// thousand pumps answering at once, a flood of junk while a pump is read, the
// window closed in the middle of a write, a pump that vanishes. It must keep
// handling events, list and send exactly what it should, and recover with the
// next search or selection.
class TestWindowFaults : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void thousandPumpsAreAllListed();
    void junkFloodDuringARead();
    void closedWhileAWriteIsPacing();
    void pumpVanishesAndComesBack();

private:
    void selectLonePump();

    int framesReceived = 0;
};

void TestWindowFaults::initTestCase() { capture = std::make_unique<LogCapture>(); }

void TestWindowFaults::init()
{
    sim = std::make_unique<PumpSimulatorThread>();
    framesReceived = 0;
    connect(sim.get(), &PumpSimulatorThread::frameReceived, this, [this] { ++framesReceived; });
    window = std::make_unique<MainWindow>();
    window->show();
    capture->clear();
}

void TestWindowFaults::cleanup() { closeWindowAndPumps(); }

// The pump is known to the window as if a search had found it; selecting it reads it.
void TestWindowFaults::selectLonePump()
{
    offerIdentity(window.get(), QStringLiteral("PUMP-0001-AB12CD3 @ 127.0.0.2 FW 2.4"));
    QMetaObject::invokeMethod(window.get(), "on_pump_selected", Q_ARG(int, 0));
}

void TestWindowFaults::thousandPumpsAreAllListed()
{
    SKIP_UNLESS_ISOLATED();
    sim->call([](PumpSimulator &simulator) {
        for (int i = 0; i < 1000; ++i)
            simulator.addPump(standardPump(i));
        simulator.listenForBroadcasts();
    });
    auto *pumps = widget<QComboBox>("dropDownPumps");
    StallMeter stalls;
    QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
    QVERIFY(runUntil([&] { return pumps->count() == 1000; }, 3000));
    qInfo("1000 pumps listed; longest event-loop stall: %.1f ms", stalls.longestMs());
    QCOMPARE(pumps->itemText(999).isEmpty(), false);
    QVERIFY(pumps->findText(QStringLiteral("PUMP-1000-AB12CD3 @ 127.0.3.233 FW 2.4")) >= 0);
    QVERIFY2(stalls.longestMs() < 50.0, qPrintable(QString::number(stalls.longestMs())));
    // With several pumps nothing is selected by itself; the technician picks one.
    timer("searchTimer")->stop();
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
    QVERIFY(!widget<QLineEdit>("lineEdit_NIP")->isEnabled());
}

void TestWindowFaults::junkFloodDuringARead()
{
    QCOMPARE(sim->addPump(standardPump(0)), 0);
    auto *address = widget<QLineEdit>("lineEdit_NIP");
    selectLonePump();
    QVERIFY(runUntil([&] { return framesReceived > 0; }, 1000));
    const quint16 windowPort = sim->frames().first().senderPort;

    StallMeter stalls;
    floodToolWithJunk(*sim, windowPort);
    runUntil([&] { return framesReceived == 13; }, 4000);
    runFor(500);
    qInfo("longest event-loop stall of the window during a 20,000-datagram flood: %.1f ms",
          stalls.longestMs());
    QVERIFY2(stalls.longestMs() < 50.0, qPrintable(QString::number(stalls.longestMs())));
    QCOMPARE(framesReceived, 13);

    // Junk never reaches the form as a value; the next selection reads the pump cleanly.
    QMetaObject::invokeMethod(window.get(), "on_pump_selected", Q_ARG(int, 0));
    QVERIFY(runUntil([&] { return address->text() == QLatin1String("10.1.2.3"); }, 3000));
    runFor(1300);
    QCOMPARE(shownValues(window.get(), { "dropDownNAM", "lineEdit_NSM", "lineEdit_NPA" }),
             QStringList({ "dropDownNAM=Static", "lineEdit_NSM=255.255.0.0", "lineEdit_NPA=126" }));
}

void TestWindowFaults::closedWhileAWriteIsPacing()
{
    QCOMPARE(sim->addPump(standardPump(0)), 0);
    selectLonePump();
    QVERIFY(runUntil([&] { return framesReceived == 13; }, 3000));
    runFor(300);
    sim->clearFrames();
    framesReceived = 0;
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(runUntil([&] { return framesReceived >= 3; }, 1000));

    // Closing the window ends the program once the write in progress has finished.
    QElapsedTimer clock;
    clock.start();
    window->close();
    window.reset();
    const qint64 closingMs = clock.elapsed();
    QVERIFY2(closingMs < 1500, qPrintable(QString::number(closingMs)));
    runUntil([&] { return framesReceived == 14; }, 500);
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frames.size(), 14);
    QCOMPARE(frames.at(1).bytes, QByteArray("\x02NIP,10.1.2.3\r"));
    QCOMPARE(frames.last().bytes, QByteArray::fromHex("024e53560d"));
    QCOMPARE(capture->lines().last(), QStringLiteral("[PumpManager] ~PumpManager ()"));
}

void TestWindowFaults::pumpVanishesAndComesBack()
{
    QCOMPARE(sim->addPump(standardPump(0)), 0);
    auto *address = widget<QLineEdit>("lineEdit_NIP");
    sim->setFault(0, PumpFault::Silent);
    selectLonePump();
    runUntil([&] { return framesReceived == 13; }, 3000);
    runFor(200);
    // A pump that answers nothing leaves the form empty but usable.
    QCOMPARE(address->text(), QStringLiteral("..."));
    QVERIFY(address->isEnabled());

    sim->setFault(0, PumpFault::None);
    QTest::mouseClick(widget<QPushButton>("btnReset"), Qt::LeftButton);
    QVERIFY(runUntil([&] { return address->text() == QLatin1String("10.1.2.3"); }, 3000));
}

QTEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
