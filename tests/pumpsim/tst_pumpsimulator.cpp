#include "pumpprotocol.h"
#include "pumpsimulatorthread.h"
#include "steadyclock.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QSerialPort>
#include <QSet>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {

const QHostAddress firstPumpAddress(QStringLiteral("127.0.0.2"));

QByteArray query(const char *mnemonic) { return PumpProtocol::queryFrame(mnemonic); }

QByteArray reply(const QByteArray &mnemonic, const QByteArray &value)
{
    return PumpProtocol::replyLine(mnemonic, value);
}

QHostAddress nthAddress(int index)
{
    return QHostAddress(firstPumpAddress.toIPv4Address() + quint32(index));
}

SimulatedPumpConfig pumpConfig(int index)
{
    SimulatedPumpConfig config;
    config.name = QStringLiteral("TESTPUMP %1 ON LOOPBACK").arg(index, 4, 10, QLatin1Char('0'));
    config.address = nthAddress(index);
    config.settings = {
        { "NAM", "DHCP" },      { "NIP", config.address.toString().toLatin1() },
        { "NSM", "255.0.0.0" }, { "NTT", "30" },
        { "NCM", "ON" },
    };
    return config;
}

// Collects up to `count` datagrams, waiting at most `timeoutMs` in all.
QVector<QNetworkDatagram> receiveDatagrams(QUdpSocket &socket, int count, int timeoutMs)
{
    QVector<QNetworkDatagram> datagrams;
    QElapsedTimer clock;
    clock.start();
    while (datagrams.size() < count) {
        while (socket.hasPendingDatagrams() && datagrams.size() < count)
            datagrams.append(socket.receiveDatagram());
        const qint64 left = timeoutMs - clock.elapsed();
        if (datagrams.size() >= count || left <= 0)
            break;
        socket.waitForReadyRead(int(left));
    }
    return datagrams;
}

// Collects datagrams until `count` came or none came for `quietMs`; `lastMs` is
// the clock's reading when the last one was taken.
QVector<QNetworkDatagram> receiveUntilQuiet(QUdpSocket &socket, int count, int quietMs,
                                            int timeoutMs, const QElapsedTimer &clock,
                                            qint64 *lastMs)
{
    QVector<QNetworkDatagram> datagrams;
    *lastMs = -1;
    while (datagrams.size() < count && clock.elapsed() < timeoutMs) {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(quietMs))
            break;
        while (socket.hasPendingDatagrams() && datagrams.size() < count)
            datagrams.append(socket.receiveDatagram());
        *lastMs = clock.elapsed();
    }
    return datagrams;
}

QByteArrayList payloads(const QVector<QNetworkDatagram> &datagrams)
{
    QByteArrayList list;
    for (const QNetworkDatagram &datagram : datagrams)
        list.append(datagram.data());
    return list;
}

bool quietFor(QUdpSocket &socket, int ms) { return receiveDatagrams(socket, 1, ms).isEmpty(); }

QByteArray readSerial(QSerialPort &port, int size, int timeoutMs)
{
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < size && clock.elapsed() < timeoutMs) {
        if (port.bytesAvailable() == 0)
            port.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - clock.elapsed())));
        bytes.append(port.readAll());
    }
    return bytes;
}

bool openPort(QSerialPort &port, const QString &path)
{
    port.setPortName(path);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.setBaudRate(QSerialPort::Baud115200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

// Broadcasts may only be sent where nothing but loopback exists.
bool isolatedNamespace(QString *reason)
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack)) {
            *reason
                = QStringLiteral("sends a broadcast, which is allowed only in a private network "
                                 "namespace with nothing but loopback (unshare -n, lo up, "
                                 "broadcast route on lo); found interface %1")
                      .arg(interface.name());
            return false;
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(PumpFault)

class TestPumpSimulator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addPumpRefusesTakenAddress();
    void unicastQueryIsAnsweredFromThePumpsAddress();
    void identityForms_data();
    void identityForms();
    void saveAppliesPendingValuesAndRestartIsSilent();
    void restartMovesToNewStaticLoopbackAddress_data();
    void restartMovesToNewStaticLoopbackAddress();
    void faultsOverUdp_data();
    void faultsOverUdp();
    void joinedReplyIsFlushedAloneAfterAPause();
    void replyDelayHoldsEveryAnswer();
    void lossDropsTheSameSettingsAnswersForTheSameSeed();
    void junkFloodReachesThePeer();
    void serialLineFramesDropsStrayBytesAndSurvivesReopen();
    void serialSplitAndJoinTimingAndPulledCable();
    void broadcastIsAnsweredByEveryAwakePump();
    void thousandPumpsAnswerOneBroadcast();

private:
    std::unique_ptr<PumpSimulatorThread> sim;
    std::unique_ptr<QUdpSocket> client;
};

void TestPumpSimulator::init()
{
    sim = std::make_unique<PumpSimulatorThread>();
    client = std::make_unique<QUdpSocket>();
    QVERIFY(client->bind(QHostAddress(QHostAddress::LocalHost), 0));
}

void TestPumpSimulator::cleanup()
{
    client.reset();
    sim.reset();
}

void TestPumpSimulator::addPumpRefusesTakenAddress()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    QCOMPARE(sim->addPump(pumpConfig(1)), 1);
    SimulatedPumpConfig twin = pumpConfig(2);
    twin.address = nthAddress(1);
    QCOMPARE(sim->addPump(twin), -1);
    QCOMPARE(sim->pumpCount(), 2);
    QCOMPARE(sim->address(1), nthAddress(1));
}

void TestPumpSimulator::unicastQueryIsAnsweredFromThePumpsAddress()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    QCOMPARE(sim->addPump(pumpConfig(1)), 1);
    QSignalSpy spy(sim.get(), &PumpSimulatorThread::frameReceived);

    // An unknown query gets no answer: had it got one, it would come first.
    const qint64 before = steadyNowNs();
    client->writeDatagram(query("NXX"), nthAddress(1), PumpProtocol::pumpPort);
    client->writeDatagram(query("NIP"), nthAddress(1), PumpProtocol::pumpPort);
    const QVector<QNetworkDatagram> answers = receiveDatagrams(*client, 1, 2000);
    const qint64 after = steadyNowNs();
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers[0].data(), reply("NIP", "127.0.0.3"));
    QCOMPARE(answers[0].senderAddress(), nthAddress(1));
    QCOMPARE(answers[0].senderPort(), int(PumpProtocol::pumpPort));

    // A second query well after the first must carry a later arrival time.
    QTest::qWait(20);
    const qint64 beforeSecond = steadyNowNs();
    client->writeDatagram(query("NAM"), nthAddress(1), PumpProtocol::pumpPort);
    QCOMPARE(payloads(receiveDatagrams(*client, 1, 2000)), QByteArrayList { reply("NAM", "DHCP") });
    QVERIFY(quietFor(*client, 100));

    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frames.size(), 3);
    const QByteArrayList sent { query("NXX"), query("NIP"), query("NAM") };
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames[i].bytes, sent[i]);
        QCOMPARE(frames[i].transport, ReceivedFrame::Udp);
        QCOMPARE(frames[i].pump, 1);
        QCOMPARE(frames[i].sender, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(frames[i].senderPort, client->localPort());
    }
    QVERIFY(frames[0].steadyNs >= before);
    QVERIFY(frames[1].steadyNs >= frames[0].steadyNs);
    QVERIFY(frames[1].steadyNs <= after);
    QVERIFY(frames[2].steadyNs >= beforeSecond);
    QVERIFY(frames[2].steadyNs - frames[1].steadyNs >= 20 * 1000 * 1000);

    QTRY_COMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).value<ReceivedFrame>().bytes, query("NAM"));

    sim->clearFrames();
    QVERIFY(sim->frames().isEmpty());
}

void TestPumpSimulator::identityForms_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QByteArray>("override");
    QTest::addColumn<QByteArray>("identity");

    QTest::newRow("name @ address") << int(IdentityForm::AddressAfterAt) << QByteArray()
                                    << QByteArray("TESTPUMP 0000 ON LOOPBACK @ 127.0.0.2 FW 2.4");
    QTest::newRow("BRAND name AT address")
        << int(IdentityForm::BrandWordAndAt) << QByteArray()
        << QByteArray("BRAND TESTPUMP 0000 ON LOOPBACK AT 127.0.0.2 FW 2.4");
    QTest::newRow("override") << int(IdentityForm::BrandWordAndAt) << QByteArray("SHORT")
                              << QByteArray("SHORT");
}

void TestPumpSimulator::identityForms()
{
    QFETCH(int, form);
    QFETCH(QByteArray, override);
    QFETCH(QByteArray, identity);

    SimulatedPumpConfig config = pumpConfig(0);
    config.identityForm = IdentityForm(form);
    config.identityOverride = override;
    QCOMPARE(sim->addPump(config), 0);
    client->writeDatagram(PumpProtocol::identityQueryFrame(), firstPumpAddress,
                          PumpProtocol::pumpPort);
    QCOMPARE(payloads(receiveDatagrams(*client, 1, 2000)),
             QByteArrayList { reply("NID", identity) });
}

void TestPumpSimulator::saveAppliesPendingValuesAndRestartIsSilent()
{
    sim->setRestartMs(400);
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    const auto send = [this](const QByteArray &frame) {
        client->writeDatagram(frame, firstPumpAddress, PumpProtocol::pumpPort);
    };

    // Set frames are acknowledged with the value up to the first CR, and stay
    // pending until the save.
    send(PumpProtocol::setFrame("NTT", QStringLiteral("45")));
    send(PumpProtocol::setFrame("NCM", QStringLiteral("Off\r")));
    send(PumpProtocol::setFrame("NK1", QStringLiteral("key one")));
    send(query("NTT"));
    QCOMPARE(payloads(receiveDatagrams(*client, 4, 2000)),
             (QByteArrayList { reply("NTT", "45"), reply("NCM", "Off"), reply("NK1", "key one"),
                               reply("NTT", "30") }));
    QCOMPARE(sim->settings(0).value("NTT"), QByteArray("30"));

    QElapsedTimer restart;
    restart.start();
    send(PumpProtocol::saveFrame());
    send(query("NTT"));
    QVERIFY(quietFor(*client, 200));
    QVERIFY2(restart.elapsed() < 400, "the silence was checked after the restart had ended");
    const QMap<QByteArray, QByteArray> saved = sim->settings(0);
    QCOMPARE(saved.value("NTT"), QByteArray("45"));
    QCOMPARE(saved.value("NCM"), QByteArray("Off"));
    QCOMPARE(saved.value("NK1"), QByteArray("key one"));
    QCOMPARE(saved.value("NAM"), QByteArray("DHCP"));
    // Heard while restarting: recorded, not answered.
    QCOMPARE(sim->frames().last().bytes, query("NTT"));

    QTest::qWait(int(qMax<qint64>(0, 450 - restart.elapsed())));
    send(query("NTT"));
    QCOMPARE(payloads(receiveDatagrams(*client, 1, 2000)), QByteArrayList { reply("NTT", "45") });
    QCOMPARE(sim->address(0), firstPumpAddress);
}

void TestPumpSimulator::restartMovesToNewStaticLoopbackAddress_data()
{
    QTest::addColumn<QByteArray>("assignment");
    QTest::addColumn<QByteArray>("newAddress");
    QTest::addColumn<bool>("moves");

    QTest::newRow("static, loopback, any case")
        << QByteArray("static") << QByteArray("127.0.0.9") << true;
    QTest::newRow("static, not loopback")
        << QByteArray("Static") << QByteArray("10.0.0.7") << false;
    QTest::newRow("dhcp") << QByteArray("DHCP") << QByteArray("127.0.0.9") << false;
}

void TestPumpSimulator::restartMovesToNewStaticLoopbackAddress()
{
    QFETCH(QByteArray, assignment);
    QFETCH(QByteArray, newAddress);
    QFETCH(bool, moves);

    sim->setRestartMs(50);
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    const QHostAddress expected
        = moves ? QHostAddress(QString::fromLatin1(newAddress)) : firstPumpAddress;
    const QByteArrayList frames { PumpProtocol::setFrame("NAM", QString::fromLatin1(assignment)),
                                  PumpProtocol::setFrame("NIP", QString::fromLatin1(newAddress)),
                                  PumpProtocol::saveFrame() };
    for (const QByteArray &frame : frames)
        client->writeDatagram(frame, firstPumpAddress, PumpProtocol::pumpPort);
    QCOMPARE(receiveDatagrams(*client, 2, 2000).size(), 2);
    QTRY_COMPARE(sim->frames().size(), 3);
    QCOMPARE(sim->settings(0).value("NIP"), newAddress);

    // Ask until the restart is over and the pump answers where it should be.
    QVector<QNetworkDatagram> answers;
    QElapsedTimer clock;
    clock.start();
    while (answers.isEmpty() && clock.elapsed() < 2000) {
        client->writeDatagram(PumpProtocol::identityQueryFrame(), expected, PumpProtocol::pumpPort);
        answers = receiveDatagrams(*client, 1, 50);
    }
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers[0].senderAddress(), expected);
    QCOMPARE(answers[0].senderPort(), int(PumpProtocol::pumpPort));
    QCOMPARE(
        answers[0].data(),
        reply("NID", "TESTPUMP 0000 ON LOOPBACK @ " + expected.toString().toLatin1() + " FW 2.4"));
    QCOMPARE(sim->address(0), expected);
    QVERIFY(quietFor(*client, 50));

    if (moves) {
        client->writeDatagram(PumpProtocol::identityQueryFrame(), firstPumpAddress,
                              PumpProtocol::pumpPort);
        QVERIFY2(quietFor(*client, 150), "the old address still answers");
    }
}

void TestPumpSimulator::faultsOverUdp_data()
{
    QTest::addColumn<PumpFault>("fault");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<QByteArrayList>("expected");

    const QByteArray onFrame = PumpProtocol::setFrame("NCM", QStringLiteral("On\r"));
    QTest::newRow("none") << PumpFault::None << QByteArrayList { query("NAM"), onFrame }
                          << QByteArrayList { reply("NAM", "DHCP"), reply("NCM", "On") };
    QTest::newRow("silent") << PumpFault::Silent << QByteArrayList { query("NAM"), onFrame }
                            << QByteArrayList {};
    QTest::newRow("lower case") << PumpFault::LowerCase
                                << QByteArrayList { PumpProtocol::identityQueryFrame() }
                                << QByteArrayList { reply(
                                       "nid", "testpump 0000 on loopback @ 127.0.0.2 fw 2.4") };
    QTest::newRow("split") << PumpFault::SplitReplies << QByteArrayList { query("NAM") }
                           << QByteArrayList { "\x02NAM", ",DHCP\r" };
    QTest::newRow("join") << PumpFault::JoinReplies << QByteArrayList { query("NAM"), query("NSM") }
                          << QByteArrayList { reply("NAM", "DHCP") + reply("NSM", "255.0.0.0") };
    QTest::newRow("unknown mnemonics")
        << PumpFault::UnknownMnemonics << QByteArrayList { query("NAM") }
        << QByteArrayList { reply("NXQ", "DHCP") };
    QTest::newRow("echo") << PumpFault::EchoQueries << QByteArrayList { query("NAM"), onFrame }
                          << QByteArrayList { query("NAM"), onFrame };
}

void TestPumpSimulator::faultsOverUdp()
{
    QFETCH(PumpFault, fault);
    QFETCH(QByteArrayList, sent);
    QFETCH(QByteArrayList, expected);

    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    sim->setFault(0, fault);
    for (const QByteArray &frame : sent)
        client->writeDatagram(frame, firstPumpAddress, PumpProtocol::pumpPort);
    QCOMPARE(payloads(receiveDatagrams(*client, expected.size(), 2000)), expected);
    QVERIFY(quietFor(*client, 150));
    // Whatever the fault, the pump heard every frame, whole.
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frames.size(), sent.size());
    for (int i = 0; i < frames.size(); ++i)
        QCOMPARE(frames[i].bytes, sent[i]);
}

void TestPumpSimulator::joinedReplyIsFlushedAloneAfterAPause()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    sim->setFault(0, PumpFault::JoinReplies);
    QElapsedTimer clock;
    clock.start();
    client->writeDatagram(query("NTT"), firstPumpAddress, PumpProtocol::pumpPort);
    QVERIFY(quietFor(*client, 200));
    QCOMPARE(payloads(receiveDatagrams(*client, 1, 2000)), QByteArrayList { reply("NTT", "30") });
    QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
}

void TestPumpSimulator::replyDelayHoldsEveryAnswer()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    QCOMPARE(sim->addPump(pumpConfig(1)), 1);
    sim->setReplyDelayMs(150);
    QElapsedTimer clock;
    clock.start();
    client->writeDatagram(query("NAM"), nthAddress(0), PumpProtocol::pumpPort);
    client->writeDatagram(query("NIP"), nthAddress(1), PumpProtocol::pumpPort);
    // Both delays run at once: the simulator waits on timers, not in a sleep.
    const QVector<QNetworkDatagram> answers = receiveDatagrams(*client, 2, 2000);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(answers.size(), 2);
    QVERIFY2(elapsed >= 145 && elapsed < 290, qPrintable(QString::number(elapsed)));
    const QSet<QByteArray> received { answers[0].data(), answers[1].data() };
    QCOMPARE(received, (QSet<QByteArray> { reply("NAM", "DHCP"), reply("NIP", "127.0.0.3") }));
}

// A lossy link: a share of the settings answers never comes, the same ones for the
// same seed; identity answers, set acknowledgements and muted settings as they were.
void TestPumpSimulator::lossDropsTheSameSettingsAnswersForTheSameSeed()
{
    SimulatedPumpConfig pump = pumpConfig(0);
    pump.mutedQueries = { "NTT" };
    QCOMPARE(sim->addPump(pump), 0);
    const QByteArrayList asked { query("NAM"), query("NIP"), query("NSM"), query("NDG") };
    const auto answersTo200Queries = [this, &asked](quint32 seed) {
        sim->setLoss(25, seed);
        for (int i = 0; i < 200; ++i)
            client->writeDatagram(asked.at(i % 4), nthAddress(0), PumpProtocol::pumpPort);
        client->writeDatagram(query("NID"), nthAddress(0), PumpProtocol::pumpPort);
        client->writeDatagram("\x02NAM,Static\r", nthAddress(0), PumpProtocol::pumpPort);
        QElapsedTimer clock;
        clock.start();
        qint64 lastMs = 0;
        return payloads(receiveUntilQuiet(*client, 300, 300, 5000, clock, &lastMs));
    };
    const QByteArrayList first = answersTo200Queries(7);
    const QByteArrayList again = answersTo200Queries(7);
    const QByteArrayList other = answersTo200Queries(8);
    QCOMPARE(again, first);
    QVERIFY(other != first);
    // Both kept answers come last, whatever was lost before them.
    QCOMPARE(first.mid(first.size() - 2).last(), QByteArray("\x02NAM,Static\r"));
    QVERIFY(first.at(first.size() - 2).startsWith("\x02NID,"));
    const int settings = first.size() - 2;
    QVERIFY2(settings > 120 && settings < 180, qPrintable(QString::number(settings)));

    sim->setLoss(0);
    client->writeDatagram(query("NTT"), nthAddress(0), PumpProtocol::pumpPort);
    client->writeDatagram(query("NSM"), nthAddress(0), PumpProtocol::pumpPort);
    QCOMPARE(payloads(receiveDatagrams(*client, 2, 500)),
             QByteArrayList { reply("NSM", pump.settings.value("NSM")) });
}

void TestPumpSimulator::junkFloodReachesThePeer()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    client->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 1 << 20);
    sim->floodJunk(0, QHostAddress(QHostAddress::LocalHost), client->localPort(), 100);
    const QVector<QNetworkDatagram> junk = receiveDatagrams(*client, 100, 2000);
    QCOMPARE(junk.size(), 100);
    int startingWithStx = 0;
    QSet<QByteArray> distinct;
    for (const QNetworkDatagram &datagram : junk) {
        QCOMPARE(datagram.senderAddress(), firstPumpAddress);
        QCOMPARE(datagram.senderPort(), int(PumpProtocol::pumpPort));
        QVERIFY(datagram.data().size() >= 1 && datagram.data().size() <= 64);
        startingWithStx += datagram.data().startsWith('\x02') ? 1 : 0;
        distinct.insert(datagram.data());
    }
    QVERIFY(startingWithStx >= 25 && startingWithStx < 100);
    QVERIFY(distinct.size() > 50);
    QVERIFY(sim->frames().isEmpty());
}

void TestPumpSimulator::serialLineFramesDropsStrayBytesAndSurvivesReopen()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    QCOMPARE(sim->addPump(pumpConfig(1)), 1);
    const QString path = sim->openSerialLine(1);
    QVERIFY(path.startsWith(QLatin1String("/dev/")));

    QSerialPort port;
    QVERIFY2(openPort(port, path), qPrintable(port.errorString()));
    // Noise before a frame, the second CR of an on/off set frame, and a query
    // the pump does not know.
    const QByteArray written = "zz" + query("NAM") + PumpProtocol::setFrame("NCM", "On\r")
        + query("NXX") + PumpProtocol::identityQueryFrame();
    const qint64 before = steadyNowNs();
    port.write(written);
    QVERIFY(port.waitForBytesWritten(1000));
    const QByteArray expected = reply("NAM", "DHCP") + reply("NCM", "On")
        + reply("NID", "TESTPUMP 0001 ON LOOPBACK @ 127.0.0.3 FW 2.4");
    QCOMPARE(readSerial(port, expected.size(), 2000), expected);
    const qint64 after = steadyNowNs();
    // Raw terminal: nothing of ours came back as an echo, and nothing more follows.
    QVERIFY(!port.waitForReadyRead(100));

    const QVector<ReceivedFrame> frames = sim->frames();
    const QByteArrayList framed { query("NAM"), PumpProtocol::setFrame("NCM", "On"), query("NXX"),
                                  PumpProtocol::identityQueryFrame() };
    QCOMPARE(frames.size(), framed.size());
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames[i].bytes, framed[i]);
        QCOMPARE(frames[i].transport, ReceivedFrame::Serial);
        QCOMPARE(frames[i].pump, 1);
        QVERIFY(frames[i].steadyNs >= before && frames[i].steadyNs <= after);
        if (i > 0)
            QVERIFY(frames[i].steadyNs >= frames[i - 1].steadyNs);
    }
    QCOMPARE(sim->serialBytes(), written);

    // The tool closes and reopens its port: the line is still there.
    port.close();
    QVERIFY2(openPort(port, path), qPrintable(port.errorString()));
    port.write(query("NTT"));
    QCOMPARE(readSerial(port, reply("NTT", "30").size(), 2000), reply("NTT", "30"));
    QCOMPARE(sim->frames().size(), 5);
}

void TestPumpSimulator::serialSplitAndJoinTimingAndPulledCable()
{
    QCOMPARE(sim->addPump(pumpConfig(0)), 0);
    const QString path = sim->openSerialLine(0);
    QSerialPort port;
    QVERIFY2(openPort(port, path), qPrintable(port.errorString()));

    // Split: three pieces 5 ms apart, so the whole reply takes at least 10 ms.
    sim->setFault(0, PumpFault::SplitReplies);
    QElapsedTimer clock;
    clock.start();
    port.write(query("NAM"));
    QCOMPARE(readSerial(port, reply("NAM", "DHCP").size(), 2000), reply("NAM", "DHCP"));
    QVERIFY2(clock.elapsed() >= 9, qPrintable(QString::number(clock.elapsed())));

    // Join: a lone reply waits for company, then goes alone; two go together at once.
    sim->setFault(0, PumpFault::JoinReplies);
    clock.restart();
    port.write(query("NTT"));
    QCOMPARE(readSerial(port, reply("NTT", "30").size(), 2000), reply("NTT", "30"));
    QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
    clock.restart();
    port.write(query("NTT") + query("NAM"));
    const QByteArray both = reply("NTT", "30") + reply("NAM", "DHCP");
    QCOMPARE(readSerial(port, both.size(), 2000), both);
    QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));

    // Pulling the cable: the tool's port sees the device vanish.
    // Pulling the cable: the terminal is gone, and reading from the tool's port
    // fails (Qt reports a hung-up terminal whose read returns nothing as ReadError).
    sim->closeSerialLine();
    QVERIFY(!QFile::exists(path));
    QVERIFY(!port.waitForReadyRead(500));
    QVERIFY2(port.error() == QSerialPort::ReadError || port.error() == QSerialPort::ResourceError,
             qPrintable(port.errorString()));
    port.close();
    QVERIFY(!openPort(port, path));
}

void TestPumpSimulator::broadcastIsAnsweredByEveryAwakePump()
{
    QString reason;
    if (!isolatedNamespace(&reason))
        QSKIP(qPrintable(reason));

    sim->setRestartMs(5000);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(sim->addPump(pumpConfig(i)), i);
    QVERIFY(sim->listenForBroadcasts());
    sim->setFault(1, PumpFault::Silent);
    client->writeDatagram(PumpProtocol::saveFrame(), nthAddress(2), PumpProtocol::pumpPort);
    QTRY_COMPARE(sim->frames().size(), 1);

    QUdpSocket searcher;
    QVERIFY(searcher.bind(QHostAddress(QHostAddress::AnyIPv4), 0));
    searcher.writeDatagram(PumpProtocol::identityQueryFrame(),
                           QHostAddress(QHostAddress::Broadcast), PumpProtocol::pumpPort);
    QVector<QNetworkDatagram> answers = receiveDatagrams(searcher, 2, 2000);
    QVERIFY(quietFor(searcher, 150));
    std::sort(answers.begin(), answers.end(),
              [](const QNetworkDatagram &a, const QNetworkDatagram &b) {
                  return a.senderAddress().toIPv4Address() < b.senderAddress().toIPv4Address();
              });
    QCOMPARE(answers.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const int pump = i == 0 ? 0 : 3;
        QCOMPARE(answers[i].senderAddress(), nthAddress(pump));
        QCOMPARE(answers[i].senderPort(), int(PumpProtocol::pumpPort));
        QCOMPARE(answers[i].data(),
                 reply("NID",
                       pumpConfig(pump).name.toLatin1() + " @ "
                           + nthAddress(pump).toString().toLatin1() + " FW 2.4"));
    }
    // The broadcast is recorded once, by the broadcast socket.
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames[1].pump, -1);
    QCOMPARE(frames[1].bytes, PumpProtocol::identityQueryFrame());
    QCOMPARE(frames[1].senderPort, searcher.localPort());

    // An identity query to an address where no pump lives reaches the broadcast
    // socket too, but no pump answers it.
    client->writeDatagram(PumpProtocol::identityQueryFrame(), QHostAddress("127.0.0.200"),
                          PumpProtocol::pumpPort);
    QVERIFY(quietFor(*client, 150));
    QCOMPARE(sim->frames().size(), 3);
    QCOMPARE(sim->frames().last().pump, -1);
}

void TestPumpSimulator::thousandPumpsAnswerOneBroadcast()
{
    QString reason;
    if (!isolatedNamespace(&reason))
        QSKIP(qPrintable(reason));

    constexpr int pumps = 1000;
    QVector<int> indices;
    bool listening = false;
    QElapsedTimer setUp;
    setUp.start();
    sim->call([&](PumpSimulator &simulator) {
        for (int i = 0; i < pumps; ++i)
            indices.append(simulator.addPump(pumpConfig(i)));
        listening = simulator.listenForBroadcasts();
    });
    const qint64 setUpMs = setUp.elapsed();
    QVERIFY(listening);
    for (int i = 0; i < pumps; ++i)
        QCOMPARE(indices[i], i);
    QCOMPARE(sim->address(pumps - 1), QHostAddress(QStringLiteral("127.0.3.233")));

    // Every answer must be the identity of the pump it comes from, once per pump.
    const auto checkAnswers = [](const QVector<QNetworkDatagram> &answers) {
        QSet<quint32> senders;
        for (const QNetworkDatagram &answer : answers) {
            if (answer.senderPort() != PumpProtocol::pumpPort
                || !answer.data().endsWith(" @ " + answer.senderAddress().toString().toLatin1()
                                           + " FW 2.4\r"))
                return false;
            senders.insert(answer.senderAddress().toIPv4Address());
        }
        return senders.size() == answers.size();
    };

    // A plain socket with the system's default receive buffer: the answers come
    // faster than one reader may take them, so some may be dropped by the system.
    QUdpSocket plain;
    QVERIFY(plain.bind(QHostAddress(QHostAddress::AnyIPv4), 0));
    QElapsedTimer clock;
    clock.start();
    plain.writeDatagram(PumpProtocol::identityQueryFrame(), QHostAddress(QHostAddress::Broadcast),
                        PumpProtocol::pumpPort);
    qint64 lastMs = 0;
    const QVector<QNetworkDatagram> plainAnswers
        = receiveUntilQuiet(plain, pumps, 300, 3000, clock, &lastMs);
    qInfo("%d pumps set up in %lld ms; plain socket: %d replies, the last after %lld ms", pumps,
          setUpMs, int(plainAnswers.size()), lastMs);
    QVERIFY(!plainAnswers.isEmpty());
    QVERIFY(checkAnswers(plainAnswers));

    // With the receive buffer the tools use, every pump's answer arrives.
    QUdpSocket roomy;
    QVERIFY(roomy.bind(QHostAddress(QHostAddress::AnyIPv4), 0));
    roomy.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    clock.restart();
    roomy.writeDatagram(PumpProtocol::identityQueryFrame(), QHostAddress(QHostAddress::Broadcast),
                        PumpProtocol::pumpPort);
    const QVector<QNetworkDatagram> answers
        = receiveUntilQuiet(roomy, pumps, 300, 3000, clock, &lastMs);
    qInfo("4 MiB receive buffer: %d replies, the last after %lld ms", int(answers.size()), lastMs);
    QCOMPARE(answers.size(), pumps);
    QVERIFY(checkAnswers(answers));
    QVERIFY2(lastMs < 1000, qPrintable(QString::number(lastMs)));
}

QTEST_GUILESS_MAIN(TestPumpSimulator)
#include "tst_pumpsimulator.moc"
