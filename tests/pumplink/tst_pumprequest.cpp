#include "fleetlink.h"
#include "pumpfixtures.h"
#include "pumprequest.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

// The link's request handles against the simulator on loopback: each read or write
// of one pump reports that pump and that sequence alone.
namespace {

SimulatedPumpConfig numberedPump(int number)
{
    SimulatedPumpConfig pump = loopbackPump(number);
    pump.settings.insert("NPA", QByteArray::number(number));
    return pump;
}

QString addressOf(int number) { return numberedPump(number).address.toString(); }

// What one request heard, in order.
struct Heard
{
    explicit Heard(PumpRequest *request)
    {
        QObject::connect(
            request, &PumpRequest::settingReceived,
            [this](int index, const QString &value) { settings.insert(index, value); });
        QObject::connect(request, &PumpRequest::finished,
                         [this](bool started) { finishes.append(started); });
    }
    QMap<int, QString> settings;
    QVector<bool> finishes;
};

} // namespace

class TestPumpRequest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachReadHearsItsOwnPump();
    void sequencesOfOnePumpFinishInOrder();
    void requestsNotStartedFinishUnstarted();
};

void TestPumpRequest::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("pump.fleet.debug=false"));
}

void TestPumpRequest::eachReadHearsItsOwnPump()
{
    constexpr int pumpCount = 20;
    QVector<SimulatedPumpConfig> pumps;
    for (int i = 0; i < pumpCount; ++i)
        pumps.append(numberedPump(i));
    auto sim = startSimulator(pumps);
    QVERIFY(sim);
    const ProgramProfile &profile = ProgramProfile::network();
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    std::vector<std::unique_ptr<Heard>> heard;
    for (int i = 0; i < pumpCount; ++i) {
        PumpRequest *request = link.readPump(addressOf(i), &link);
        QCOMPARE(request->where(), addressOf(i));
        QVERIFY(!request->isWrite());
        heard.push_back(std::make_unique<Heard>(request));
    }
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    runFor(100);
    const int nip = profile.indexOf("NIP");
    const int npa = profile.indexOf("NPA");
    for (int i = 0; i < pumpCount; ++i) {
        QCOMPARE(heard[i]->finishes, QVector<bool>({ true }));
        QCOMPARE(heard[i]->settings.size(), profile.settingCount());
        QCOMPARE(heard[i]->settings.value(nip), addressOf(i));
        QCOMPARE(heard[i]->settings.value(npa), QString::number(i));
    }
}

// Two reads and a write of one pump: each finishes once, in order; the first read
// hears its late answers, the second the answer to its own query, the write nothing.
void TestPumpRequest::sequencesOfOnePumpFinishInOrder()
{
    auto sim = startSimulator({ numberedPump(0) });
    QVERIFY(sim);
    const ProgramProfile &profile = ProgramProfile::ip();
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    QStringList order;
    PumpRequest *first = link.readPump(addressOf(0), &link);
    PumpRequest *second = link.readPump(addressOf(0), { profile.indexOf("NSM") }, &link);
    PumpRequest *write = link.writePump(
        addressOf(0), { "Static", addressOf(0), "255.255.255.0", "127.0.0.1", "", "" }, &link);
    Heard heardFirst(first);
    Heard heardWrite(write);
    Heard heardSecond(second);
    for (PumpRequest *request : { first, write, second })
        connect(request, &PumpRequest::finished, this, [&order, request, first, write] {
            order.append(request == first ? "first" : request == write ? "write" : "second");
        });
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    runFor(100);
    QCOMPARE(order, QStringList({ "first", "second", "write" }));
    QVERIFY(first->isFinished() && write->isFinished() && second->isFinished());
    QVERIFY(write->isWrite());
    QVERIFY(heardWrite.settings.isEmpty());
    QCOMPARE(heardFirst.settings.size(), profile.settingCount());
    QCOMPARE(heardSecond.settings.keys(), QList<int>({ profile.indexOf("NSM") }));
    QCOMPARE(heardSecond.settings.value(profile.indexOf("NSM")), QStringLiteral("255.255.0.0"));
}

// After an interruption the writes on the wire finish as started, the ones still
// queued as never started; a request deleted early is simply not heard from.
void TestPumpRequest::requestsNotStartedFinishUnstarted()
{
    auto sim = startSimulator({ numberedPump(0), numberedPump(1) });
    QVERIFY(sim);
    const ProgramProfile &profile = ProgramProfile::ip();
    FleetLink link(profile);
    QVERIFY(link.openEthernet());
    const QStringList values = { "Static", addressOf(0), "255.255.255.0", "127.0.0.1", "", "" };
    Heard running(link.writePump(addressOf(0), values, &link));
    Heard queued(link.writePump(addressOf(0), values, &link));
    PumpRequest *dropped = link.readPump(addressOf(1), &link);
    delete dropped;
    QSignalSpy finished(&link, &FleetLink::sequenceFinished);
    QVERIFY(runUntil([&] { return sim->frames().size() >= 1; }, 2000));
    link.stopStarting();
    QVERIFY(runUntil([&] { return link.pendingSequences() == 0; }, 5000));
    QCOMPARE(running.finishes, QVector<bool>({ true }));
    QCOMPARE(queued.finishes, QVector<bool>({ false }));
    QCOMPARE(finished.count(), 3);
}

QTEST_MAIN(TestPumpRequest)
#include "tst_pumprequest.moc"
