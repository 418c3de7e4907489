#include "fleetlink.h"
#include "pumpfixtures.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>
#include <memory>

// Many pumps at once from one socket, against the simulator on loopback, and one
// pump on a pseudo-terminal: the bytes and their pacing per pump, where the answers
// go, pumps that stay silent, and an interruption in the middle of writes.
namespace {

// Pump i states its own address and i as its PROFIBUS address, so a value that
// reached the wrong pump shows.
SimulatedPumpConfig numberedPump(int number)
{
    SimulatedPumpConfig pump = loopbackPump(number);
    pump.settings.insert("NPA", QByteArray::number(number));
    return pump;
}

QVector<SimulatedPumpConfig> numberedPumps(int count)
{
    QVector<SimulatedPumpConfig> pumps;
    for (int i = 0; i < count; ++i)
        pumps.append(numberedPump(i));
    return pumps;
}

QString addressOf(int number) { return numberedPump(number).address.toString(); }

QVector<ReceivedFrame> framesOf(const QVector<ReceivedFrame> &frames, int pump)
{
    QVector<ReceivedFrame> mine;
    for (const ReceivedFrame &frame : frames) {
        if (frame.pump == pump)
            mine.append(frame);
    }
    return mine;
}

QList<QByteArray> listOf(const QVector<QByteArray> &frames) { return frames.toList(); }

// Empty when the frames reached the pump at least `pauseMs` apart. The pump's clock
// is the simulator's thread, which on a loaded machine now and then takes a frame
// late: a single gap may come out short by that much, the mean over the sequence
// hardly.
QString pacingProblem(const QVector<ReceivedFrame> &frames, double pauseMs)
{
    const QVector<double> gaps = gapsMs(frames);
    double sum = 0;
    for (const double gap : gaps) {
        sum += gap;
        if (gap < pauseMs * 0.75)
            return QStringLiteral("a gap of %1 ms").arg(gap);
    }
    if (!gaps.isEmpty() && sum / gaps.size() < pauseMs - 2.0)
        return QStringLiteral("a mean gap of %1 ms").arg(sum / gaps.size());
    return QString();
}

// Every setting each pump reported, by pump and mnemonic.
class SettingLog : public QObject
{
public:
    SettingLog(FleetLink &link, const ProgramProfile &profile)
    {
        connect(&link, &FleetLink::settingReceived, this,
                [this, &profile](const QString &where, int index, const QString &value) {
                    settings[where].insert(profile.settings().at(index).mnemonic, value);
                });
    }
    QMap<QString, QMap<QByteArray, QString>> settings;
};

const QStringList networkValues
    = { "Static", "10.9.8.7", "255.0.0.0", "10.0.0.1", "1.1.1.1", "", "45",
        "+01",    "00",       "Off\r",     "On\r",     "Off\r",   "7" };

} // namespace

class TestFleetLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsManyPumpsAtOncePacedPerPump_data();
    void readsManyPumpsAtOncePacedPerPump();
    void secondSequenceFollowsTheFirst_data();
    void secondSequenceFollowsTheFirst();
    void writeSendsEveryFrameAndTheSave();
    void silentPumpsDisturbNoOthers();
    void strangersAreNotHeard();
    void stopStartingFinishesWritesOnTheWire();
    void searchHearsEveryPump();
    void serialLine();
    void serialPortThatCannotOpen();
};

void TestFleetLink::initTestCase()
{
    // Thousands of lines would only slow the pacing down; the link's own tests
    // look at the wire.
    QLoggingCategory::setFilterRules(QStringLiteral("pump.fleet.debug=false"));
}

void TestFleetLink::readsManyPumpsAtOncePacedPerPump_data()
{
    QTest::addColumn<QString>("profileName");
    QTest::newRow("network") << "network";
    QTest::newRow("ip") << "ip";
}

void TestFleetLink::readsManyPumpsAtOncePacedPerPump()
{
    QFETCH(QString, profileName);
    const ProgramProfile &profile = *ProgramProfile::byName(profileName);
    constexpr int pumpCount = 50;
    auto sim = startSimulator(numberedPumps(pumpCount));
    QVERIFY(sim);
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    SettingLog log(link, profile);
    QSignalSpy finished(&link, &FleetLink::sequenceFinished);
    QSignalSpy idle(&link, &FleetLink::idle);
    for (int i = 0; i < pumpCount; ++i)
        link.read(addressOf(i));
    QCOMPARE(link.pendingSequences(), pumpCount);
    QVERIFY(runUntil([&] { return idle.count() == 1; }, 5000));
    runFor(100);

    const QVector<ReceivedFrame> frames = sim->frames();
    qint64 lastFirstFrameNs = 0;
    qint64 firstSecondFrameNs = std::numeric_limits<qint64>::max();
    for (int i = 0; i < pumpCount; ++i) {
        const QVector<ReceivedFrame> mine = framesOf(frames, i);
        QCOMPARE(frameBytes(mine), listOf(profile.queryFrames()));
        const QString problem = pacingProblem(mine, 100.0);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("pump %1: %2").arg(i).arg(problem)));
        lastFirstFrameNs = qMax(lastFirstFrameNs, mine.at(0).steadyNs);
        firstSecondFrameNs = qMin(firstSecondFrameNs, mine.at(1).steadyNs);

        // Each pump's answers reach that pump and no other.
        const QMap<QByteArray, QString> got = log.settings.value(addressOf(i));
        QCOMPARE(got.size(), profile.settingCount());
        QCOMPARE(got.value("NAM"), QStringLiteral("STATIC"));
        QCOMPARE(got.value("NIP"), addressOf(i));
        if (profile.indexOf("NPA") >= 0)
            QCOMPARE(got.value("NPA"), QString::number(i));
    }
    // All pumps run side by side: every first query before any second one.
    QVERIFY(lastFirstFrameNs < firstSecondFrameNs);
    QCOMPARE(finished.count(), pumpCount);
    QVERIFY(finished.first().at(1).toBool());
    QCOMPARE(link.pendingSequences(), 0);
}

void TestFleetLink::secondSequenceFollowsTheFirst_data()
{
    readsManyPumpsAtOncePacedPerPump_data();
}

void TestFleetLink::secondSequenceFollowsTheFirst()
{
    QFETCH(QString, profileName);
    const ProgramProfile &profile = *ProgramProfile::byName(profileName);
    auto sim = startSimulator(numberedPumps(1));
    QVERIFY(sim);
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    link.read(addressOf(0));
    link.read(addressOf(0));
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    runFor(50);
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frameBytes(frames), listOf(profile.queryFrames() + profile.queryFrames()));
    // As the windows pace one pump: the IP tool's pump rests after its last query.
    const double handover = gapsMs(frames).at(profile.settingCount() - 1);
    if (profile.pausesAfterLastQuery())
        QVERIFY2(handover >= 99.0, qPrintable(QString::number(handover)));
    else
        QVERIFY2(handover < 60.0, qPrintable(QString::number(handover)));
}

void TestFleetLink::writeSendsEveryFrameAndTheSave()
{
    const ProgramProfile &profile = ProgramProfile::network();
    auto sim = startSimulator(numberedPumps(3));
    QVERIFY(sim);
    sim->setRestartMs(2000);
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    SettingLog log(link, profile);
    QSignalSpy finished(&link, &FleetLink::sequenceFinished);
    for (int i = 0; i < 3; ++i)
        link.write(addressOf(i), networkValues);
    link.read(addressOf(1));
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    runFor(100);

    const QVector<ReceivedFrame> frames = sim->frames();
    const QList<QByteArray> written = listOf(profile.writeFrames(networkValues));
    QCOMPARE(written.size(), 14);
    QCOMPARE(written.at(9), QByteArray::fromHex("024e434d2c4f66660d0d"));
    for (int i = 0; i < 3; ++i) {
        const QVector<ReceivedFrame> mine = framesOf(frames, i);
        const QList<QByteArray> expected
            = i == 1 ? written + listOf(profile.queryFrames()) : written;
        QCOMPARE(frameBytes(mine), expected);
        const QString problem = pacingProblem(mine.mid(0, written.size()), 100.0);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(sim->settings(i).value("NIP"), QByteArray("10.9.8.7"));
    }
    // The save frame ends the write at once; the restarting pump hears the read but
    // cannot answer, and the echoes of the set frames are no settings.
    QCOMPARE(finished.count(), 4);
    QVERIFY(log.settings.isEmpty());
}

void TestFleetLink::silentPumpsDisturbNoOthers()
{
    QVector<SimulatedPumpConfig> pumps = numberedPumps(4);
    pumps[2].settings.remove("NTT");
    pumps[2].settings.remove("NPA");
    auto sim = startSimulator(pumps);
    QVERIFY(sim);
    sim->setFault(1, PumpFault::Silent);
    const ProgramProfile &profile = ProgramProfile::network();
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    SettingLog log(link, profile);
    for (int i = 0; i < 4; ++i)
        link.read(addressOf(i));
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    runFor(100);

    QCOMPARE(log.settings.value(addressOf(0)).size(), 13);
    QVERIFY(!log.settings.contains(addressOf(1)));
    const QMap<QByteArray, QString> partial = log.settings.value(addressOf(2));
    QCOMPARE(partial.size(), 11);
    QVERIFY(!partial.contains("NTT") && !partial.contains("NPA"));
    QCOMPARE(log.settings.value(addressOf(3)).value("NPA"), QStringLiteral("3"));
    // The silent pump was asked everything all the same.
    QCOMPARE(framesOf(sim->frames(), 1).size(), 13);
}

void TestFleetLink::strangersAreNotHeard()
{
    auto sim = startSimulator(numberedPumps(1));
    QVERIFY(sim);
    FleetLink link(ProgramProfile::network());
    QVERIFY(link.openEthernet());
    QVERIFY(link.localPort() != 0);
    SettingLog log(link, ProgramProfile::network());
    QSignalSpy identities(&link, &FleetLink::identityReceived);
    link.read(addressOf(0));
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));

    // Replies from an address nobody asked, and an identity when nobody searched.
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.200")), 0));
    const QHostAddress local(QHostAddress::LocalHost);
    stranger.writeDatagram("\x02NAM,DHCP\r", local, link.localPort());
    stranger.writeDatagram("\x02NID,SOMEONE-ELSE-12345 @ 127.0.0.200\r", local, link.localPort());
    runFor(200);
    QCOMPARE(log.settings.keys(), QStringList({ addressOf(0) }));
    QCOMPARE(log.settings.value(addressOf(0)).value("NAM"), QStringLiteral("STATIC"));
    QCOMPARE(identities.count(), 0);
}

void TestFleetLink::stopStartingFinishesWritesOnTheWire()
{
    constexpr int pumpCount = 10;
    auto sim = startSimulator(numberedPumps(pumpCount));
    QVERIFY(sim);
    const ProgramProfile &profile = ProgramProfile::network();
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    QStringList started;
    QStringList dropped;
    connect(&link, &FleetLink::sequenceFinished, this, [&](const QString &where, bool wasStarted) {
        (wasStarted ? started : dropped).append(where);
    });
    QSignalSpy idle(&link, &FleetLink::idle);
    // Half the pumps are written now; the other half only after a first write.
    for (int i = 0; i < pumpCount / 2; ++i) {
        link.write(addressOf(i), networkValues);
        link.read(addressOf(i));
    }
    for (int i = pumpCount / 2; i < pumpCount; ++i)
        link.write(addressOf(0), networkValues);
    runFor(450);
    link.stopStarting();
    link.write(addressOf(pumpCount - 1), networkValues);
    QVERIFY(runUntil([&] { return idle.count() == 1; }, 5000));
    runFor(100);

    const QList<QByteArray> written = listOf(profile.writeFrames(networkValues));
    const QVector<ReceivedFrame> frames = sim->frames();
    for (int i = 0; i < pumpCount; ++i) {
        const QVector<ReceivedFrame> mine = framesOf(frames, i);
        QCOMPARE(frameBytes(mine), i < pumpCount / 2 ? written : QList<QByteArray>());
    }
    QCOMPARE(started.size(), pumpCount / 2);
    QCOMPARE(dropped.size(), pumpCount + 1);
    QCOMPARE(link.pendingSequences(), 0);
}

void TestFleetLink::searchHearsEveryPump()
{
    SKIP_UNLESS_ISOLATED();
    auto sim = startSimulator(numberedPumps(3));
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());
    FleetLink link(ProgramProfile::ip());
    QVERIFY(link.openEthernet());
    QMap<QString, QByteArray> heard;
    connect(&link, &FleetLink::identityReceived, this,
            [&](const QString &where, const QByteArray &text) { heard.insert(where, text); });
    link.search();
    QVERIFY(runUntil([&] { return heard.size() == 3; }, 3000));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(heard.value(addressOf(i)), identityText(numberedPump(i)).toLatin1());
    // The windows' broadcast: the five identity bytes, nothing else.
    for (const ReceivedFrame &frame : sim->frames())
        QCOMPARE(frame.bytes, QByteArray::fromHex("024e49440d"));
}

void TestFleetLink::serialLine()
{
    auto sim = startSimulator(numberedPumps(1));
    QVERIFY(sim);
    const QString line = sim->openSerialLine(0);
    QVERIFY(!line.isEmpty());
    const ProgramProfile &profile = ProgramProfile::network();
    FleetLink link(profile);
    QVERIFY2(link.openSerial(line), qPrintable(link.errorString()));
    SettingLog log(link, profile);
    QSignalSpy identities(&link, &FleetLink::identityReceived);
    link.search();
    QTRY_COMPARE(identities.count(), 1);
    QCOMPARE(identities.first().at(0).toString(), line);
    sim->clearFrames();

    // Every frame follows the pump's answer to the one before: far quicker than the
    // 200 ms the line grants a pump that stays quiet.
    link.read(QStringLiteral("any pump"));
    link.write(QStringLiteral("any pump"), networkValues);
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 8000));
    QVERIFY(runUntil([&] { return sim->frames().size() == 13 + 14; }, 500));
    const QVector<ReceivedFrame> frames = sim->frames();
    QByteArray sent;
    for (const QByteArray &frame : profile.queryFrames() + profile.writeFrames(networkValues))
        sent += frame;
    QCOMPARE(sim->serialBytes(), sent);
    QCOMPARE(frames.size(), 13 + 14);
    QVERIFY(frames.last().steadyNs - frames.first().steadyNs < 26 * 150 * 1000000LL);
    QCOMPARE(log.settings.value(line).size(), 13);
    QCOMPARE(log.settings.value(line).value("NPA"), QStringLiteral("0"));
    QCOMPARE(sim->settings(0).value("NUH"), QByteArray("+01"));

    // A pump that stays quiet gets each frame 200 ms after the one before.
    runFor(100);
    sim->clearFrames();
    sim->setFault(0, PumpFault::Silent);
    link.read(line);
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    QVERIFY(runUntil([&] { return sim->frames().size() == 13; }, 500));
    const QString problem = pacingProblem(sim->frames(), 200.0);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestFleetLink::serialPortThatCannotOpen()
{
    FleetLink link(ProgramProfile::network());
    QVERIFY(!link.openSerial(QStringLiteral("/dev/no-such-pump-line")));
    QVERIFY(!link.errorString().isEmpty());
    // Nothing is sent anywhere; queued sequences end unstarted.
    QSignalSpy finished(&link, &FleetLink::sequenceFinished);
    link.read(QStringLiteral("/dev/no-such-pump-line"));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(1).toBool(), false);
}

QTEST_GUILESS_MAIN(TestFleetLink)
#include "tst_fleetlink.moc"
