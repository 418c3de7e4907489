#include "programbinding.h"
#include "pumpfixtures.h"
#include "pumpprotocol.h"
#include "pumpsimulatorthread.h"
#include "pumpworker.h"
#include "testsupport.h"

#include <QUdpSocket>
#include <QtTest>
#include <memory>

// The worker paces one Ethernet sequence after another on its thread. A read that
// can reach no pump must not hold up the sequence queued behind it, and no two frames
// of a sequence leave less than the pump's pause apart.
class TestPumpWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void writeBehindUnreachableReadStartsAtOnce_data();
    void writeBehindUnreachableReadStartsAtOnce();
    void framesLeaveAtLeastThePauseApart();

private:
    std::unique_ptr<PumpSimulatorThread> sim;
    std::unique_ptr<LogCapture> capture;
};

namespace {

// A read and then a write, queued on a worker on a thread of its own as the manager
// runs it, with the sockets on this thread. True when the write finished.
bool readThenWrite(QUdpSocket *readWith, QUdpSocket *writeWith, const PUMP_MODEL_T &pump)
{
    QThread thread;
    auto *worker = new PumpWorker;
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    QSignalSpy finished(worker, &PumpWorker::setWorkerFinished);
    thread.start();
    QMetaObject::invokeMethod(worker, [worker, readWith] { worker->getWorker(readWith); });
    QMetaObject::invokeMethod(worker,
                              [worker, writeWith, pump] { worker->setWorker(writeWith, pump); });
    const bool done = runUntil([&] { return finished.count() == 1; }, 5000);
    thread.quit();
    // A sequence still running hands its frames to this thread; deliver them until it ends.
    while (!thread.wait(5))
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return done;
}

} // namespace

void TestPumpWorker::initTestCase()
{
    qRegisterMetaType<PUMP_MODEL_T>("PUMP_MODEL_T");
    capture = std::make_unique<LogCapture>();
}

void TestPumpWorker::init()
{
    sim = startSimulator({ standardPump(0) });
    QVERIFY2(sim, "the pump did not get its number");
    capture->clear();
}

void TestPumpWorker::cleanup() { sim.reset(); }

void TestPumpWorker::writeBehindUnreachableReadStartsAtOnce_data()
{
    QTest::addColumn<QString>("readSocket");
    QTest::newRow("socket closed after connecting") << "closed";
    QTest::newRow("socket never connected") << "unconnected";
    QTest::newRow("no socket") << "none";
}

void TestPumpWorker::writeBehindUnreachableReadStartsAtOnce()
{
    QFETCH(QString, readSocket);
    const QHostAddress pumpAddress(QStringLiteral("127.0.0.2"));
    QUdpSocket writeSocket;
    writeSocket.connectToHost(pumpAddress, PumpProtocol::pumpPort);
    QUdpSocket unreachable;
    if (readSocket == QLatin1String("closed")) {
        unreachable.connectToHost(pumpAddress, PumpProtocol::pumpPort);
        QVERIFY(
            runUntil([&] { return unreachable.state() == QAbstractSocket::ConnectedState; }, 1000));
        unreachable.close();
    }
    QVERIFY(runUntil([&] { return writeSocket.state() == QAbstractSocket::ConnectedState; }, 1000));

    QUdpSocket *readWith = readSocket == QLatin1String("none") ? nullptr : &unreachable;
    PUMP_MODEL_T pump;
    pump.am = QStringLiteral("Static");
    pump.ip = QStringLiteral("10.9.8.7");
    const qint64 queuedNs = steadyNowNs();
    QVERIFY(readThenWrite(readWith, &writeSocket, pump));

    const int writeFrames = ProgramBinding::writeFrames(pump).size();
    QVERIFY(runUntil([&] { return sim->frames().size() == writeFrames; }, 500));
    const QVector<ReceivedFrame> frames = sim->frames();
    // The read sent nothing and said so in the log; the write that waited behind it
    // went out whole.
    QCOMPARE(capture->linesStartingWith("[PumpManager] getWorker"),
             QStringList({ "[PumpManager] getWorker ()" }));
    QCOMPARE(frames.size(), writeFrames);
    QCOMPARE(frames.at(1).bytes, QByteArray("\x02NIP,10.9.8.7\r"));
    QCOMPARE(frames.last().bytes, QByteArray::fromHex("024e53560d"));
    // Its first frame left without the read's twelve pauses of 100 ms (1.2 s); the
    // bound is generous only so that a busy machine cannot fail it.
    const double startMs = (frames.first().steadyNs - queuedNs) / 1e6;
    qInfo("the write's first frame left %.1f ms after it was queued", startMs);
    QVERIFY2(startMs < 600.0, qPrintable(QString::number(startMs)));
}

void TestPumpWorker::framesLeaveAtLeastThePauseApart()
{
    QUdpSocket socket;
    socket.connectToHost(QHostAddress(QStringLiteral("127.0.0.2")), PumpProtocol::pumpPort);
    QVERIFY(runUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 1000));
    // Stamped as each datagram is handed to the system, on this thread, which owns
    // the socket: the moment a frame leaves, not when the pump gets to it.
    QVector<qint64> sentNs;
    connect(&socket, &QUdpSocket::bytesWritten, this, [&] { sentNs.append(steadyNowNs()); });

    PUMP_MODEL_T pump;
    pump.am = QStringLiteral("DHCP");
    QVERIFY(readThenWrite(&socket, &socket, pump));

    const int reads = ProgramBinding::queryFrames().size();
    const int writes = ProgramBinding::writeFrames(pump).size();
    QCOMPARE(sentNs.size(), reads + writes);
    QVERIFY(runUntil([&] { return sim->frames().size() == reads + writes; }, 500));
    const qint64 pauseNs = PumpProtocol::framePauseMs * 1000000LL;
    for (int i = 1; i < sentNs.size(); ++i) {
        // The write follows the network tool's read at once, as the windows pace it.
        if (i == reads)
            continue;
        const qint64 gapNs = sentNs.at(i) - sentNs.at(i - 1);
        QVERIFY2(gapNs >= pauseNs,
                 qPrintable(QStringLiteral("frame %1 left %2 ms after the one before")
                                .arg(i)
                                .arg(gapNs / 1e6)));
    }
}

QTEST_MAIN(TestPumpWorker)
#include "tst_pumpworker.moc"
