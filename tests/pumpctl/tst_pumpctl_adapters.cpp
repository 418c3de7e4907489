#include "laptopnetwork.h"
#include "pumpctlrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// pumpctl on a laptop with three network adapters (tests/common/laptop-network): the
// pump alone on the cable, at an address outside every network of the laptop, is
// found, read and written through the adapter it answered on, and the pumps behind
// the other adapters still are.
namespace {

using Run = PumpctlRun;

// Rows of CSV text whose fields hold no comma, quote or line break.
QVector<QStringList> csvRows(const QString &text)
{
    QVector<QStringList> rows;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.append(line.split(QLatin1Char(',')));
    return rows;
}

const QStringList officeRow { "SIMPUMP 0001 LOOP", "198.18.1.10",
                              "SIMPUMP 0001 LOOPBACK @ 198.18.1.10 FW 2.4",
                              "office0 198.18.1.1/24" };
const QStringList labRow { "SIMPUMP 0003 LOOP", "198.18.3.10",
                           "SIMPUMP 0003 LOOPBACK @ 198.18.3.10 FW 2.4", "lab0 198.18.3.1/24" };
const QStringList cableRow { "SIMPUMP 0007 LOOP", "198.19.7.7",
                             "SIMPUMP 0007 LOOPBACK @ 198.19.7.7 FW 2.4", "cable0 198.18.2.1/24" };

// What pump-sim answers for a pump at `address`, after the pump's name.
QStringList settingsOf(const QString &address)
{
    return { "DHCP", address, "255.0.0.0", "127.0.0.1", "127.0.0.53", "127.0.0.54", "30",
             "+01",  "00",    "ON",        "OFF",       "OFF",        "126" };
}

// Identity queries the pump behind `adapter` received.
int identityQueries(const LaptopNetwork &laptop, const QString &adapter)
{
    return laptop.pumpLog(adapter).count(QStringLiteral(": 02 4e 49 44 0d"));
}

} // namespace

class TestPumpCtlAdapters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void searchFindsAPumpBehindEveryAdapter();
    void adapterOptionKeepsToOneAdapter();
    void cablePumpIsReadThroughItsAdapter();
    void planMovesCablePumpIntoTheCablesNetwork();
    void adapterGoingDownIsToldForItsPumps();
    void adapterGoingDownDuringTheRestartIsToldForItsPump();
    void simulatorServesTheRangeOnlyAmongVeths();

private:
    std::unique_ptr<LaptopNetwork> laptop;
};

void TestPumpCtlAdapters::init()
{
    SKIP_UNLESS_LAPTOP_CAN_BE_BUILT();
    laptop = std::make_unique<LaptopNetwork>();
    QString error;
    QVERIFY2(laptop->up({ QStringLiteral("198.18.2.20/24") }, &error), qPrintable(error));
}

void TestPumpCtlAdapters::cleanup() { laptop.reset(); }

void TestPumpCtlAdapters::searchFindsAPumpBehindEveryAdapter()
{
    const Run csv = runPumpctl({ "search", "--wait", "1", "--format", "csv" });
    QCOMPARE(csv.exitCode, 0);
    QCOMPARE(csvRows(csv.out),
             QVector<QStringList>(
                 { { "name", "address", "identity", "adapter" }, officeRow, labRow, cableRow }));
    // The limited broadcast of the untied socket leaves by office0; the other two
    // adapters get one of their own. Every pump is asked once and listed once.
    QCOMPARE(identityQueries(*laptop, "office0"), 1);
    QCOMPARE(identityQueries(*laptop, "lab0"), 1);
    QCOMPARE(identityQueries(*laptop, "cable0"), 1);

    const Run json = runPumpctl({ "search", "--wait", "1", "--format", "json" });
    QCOMPARE(json.exitCode, 0);
    const QJsonArray pumps = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(pumps.size(), 3);
    QCOMPARE(pumps.at(2).toObject().value("adapter").toString(), cableRow.last());

    const Run table = runPumpctl({ "search", "--wait", "1" });
    QCOMPARE(table.exitCode, 0);
    const QStringList lines = table.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(0).trimmed().endsWith(QLatin1String("adapter")));
    QVERIFY(lines.at(3).startsWith(cableRow.first()));
    QVERIFY(lines.at(3).endsWith(cableRow.last()));
}

void TestPumpCtlAdapters::adapterOptionKeepsToOneAdapter()
{
    const Run cable
        = runPumpctl({ "--adapter", "cable0", "search", "--wait", "1", "--format", "csv" });
    QCOMPARE(cable.exitCode, 0);
    QCOMPARE(csvRows(cable.out),
             QVector<QStringList>({ { "name", "address", "identity", "adapter" }, cableRow }));
    QCOMPARE(identityQueries(*laptop, "office0"), 0);
    QCOMPARE(identityQueries(*laptop, "lab0"), 0);

    // A pump outside the adapter's network is read through it by address alone.
    const Run read = runPumpctl({ "--adapter", "cable0", "read", "198.19.7.7", "--format", "csv" });
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(csvRows(read.out).value(1), QStringList { "198.19.7.7" } + settingsOf("198.19.7.7"));

    const Run unknown = runPumpctl({ "--adapter", "wlan9", "search" });
    QCOMPARE(unknown.exitCode, 2);
    QCOMPARE(unknown.out, QString());
    QVERIFY2(unknown.err.contains(
                 QLatin1String("no network adapter is called 'wlan9'; the adapters are: office0 "
                               "198.18.1.1/24, lab0 198.18.3.1/24, cable0 198.18.2.1/24")),
             qPrintable(unknown.err));
    QCOMPARE(identityQueries(*laptop, "cable0"), 1);
}

void TestPumpCtlAdapters::cablePumpIsReadThroughItsAdapter()
{
    // By address: it lies in none of the laptop's networks, so the search tells
    // which adapter it answers on.
    const Run one = runPumpctl({ "read", LaptopNetwork::cablePump, "--format", "csv" });
    QCOMPARE(one.exitCode, 0);
    QCOMPARE(csvRows(one.out).value(1),
             QStringList { "SIMPUMP 0007 LOOP" } + settingsOf("198.19.7.7"));
    QVERIFY(laptop->pumpLog("cable0").contains(QLatin1String("udp pump 0 from 198.18.2.1:")));

    const Run all = runPumpctl({ "read", "--all", "--format", "csv", "--wait", "1" });
    QCOMPARE(all.exitCode, 0);
    QCOMPARE(csvRows(all.out).mid(1),
             QVector<QStringList>({ QStringList { officeRow.first() } + settingsOf("198.18.1.10"),
                                    QStringList { labRow.first() } + settingsOf("198.18.3.10"),
                                    QStringList { cableRow.first() } + settingsOf("198.19.7.7") }));
}

void TestPumpCtlAdapters::planMovesCablePumpIntoTheCablesNetwork()
{
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("cable.csv"));
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("pump,NAM,NIP,NSM,NDG\n"
               "198.19.7.7,Static,198.18.2.20,255.255.255.0,198.18.2.1\n");
    file.close();

    const Run write = runPumpctl({ "write", plan, "--restart-wait", "2", "--wait", "1" });
    QVERIFY2(write.exitCode == 0, qPrintable(write.out + write.err));
    QVERIFY2(write.out.contains(QLatin1String("confirmed")), qPrintable(write.out));

    // Now in the cable's network, where the routing table finds it by itself.
    const Run moved = runPumpctl({ "read", "198.18.2.20", "--format", "csv" });
    QCOMPARE(moved.exitCode, 0);
    const QStringList row = csvRows(moved.out).value(1);
    QCOMPARE(row.mid(1, 4),
             QStringList({ "STATIC", "198.18.2.20", "255.255.255.0", "198.18.2.1" }));
    const Run office = runPumpctl({ "read", "198.18.1.10", "--format", "csv" });
    QCOMPARE(office.exitCode, 0);
}

void TestPumpCtlAdapters::adapterGoingDownIsToldForItsPumps()
{
    // cable0 goes down once the search is over, while the pumps are read. (An adapter
    // that only loses its address still carries its pumps' frames on Linux, from
    // another adapter's address, and they answer.)
    QProcess process;
    process.start(QStringLiteral(PUMPCTL_PATH),
                  { "read", "--all", "--format", "csv", "--wait", "1", "--retry-for", "1" });
    QVERIFY(process.waitForStarted());
    QTest::qWait(1100);
    QCOMPARE(QProcess::execute(QStringLiteral("ip"), { "link", "set", "cable0", "down" }), 0);
    QVERIFY(process.waitForFinished(30000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    // All of its settings or those after the fall, as timing has it; the reason named.
    const QStringList told = err.split(QLatin1Char('\n'))
                                 .filter(QRegularExpression(QStringLiteral(
                                     "^pumpctl: SIMPUMP 0007 LOOP: did not answer")));
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().endsWith(QLatin1String("NPA: adapter cable0 went down"))
                 || told.first().endsWith(QLatin1String("answer: adapter cable0 went down")),
             qPrintable(err));
    // The pumps behind the other adapters are read completely.
    const QVector<QStringList> rows = csvRows(out);
    QCOMPARE(rows.value(1), QStringList { officeRow.first() } + settingsOf("198.18.1.10"));
    QCOMPARE(rows.value(2), QStringList { labRow.first() } + settingsOf("198.18.3.10"));
    QVERIFY(!err.contains(QLatin1String("SIMPUMP 0001")));
    QVERIFY(!err.contains(QLatin1String("SIMPUMP 0003")));
}

// cable0 goes down while the cable pump restarts after its save: the write says why
// the pump did not answer its read-back, and the office pump is confirmed.
void TestPumpCtlAdapters::adapterGoingDownDuringTheRestartIsToldForItsPump()
{
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("timeouts.csv"));
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("pump,NTT\n198.19.7.7,41\n198.18.1.10,42\n");
    file.close();

    QProcess process;
    process.start(QStringLiteral(PUMPCTL_PATH),
                  { "write", plan, "--restart-wait", "2", "--wait", "1", "--retry-for", "1" });
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(laptop->pumpLog("cable0").contains(QLatin1String(": 02 4e 53 56 0d")),
                             20000);
    QCOMPARE(QProcess::execute(QStringLiteral("ip"), { "link", "set", "cable0", "down" }), 0);
    QVERIFY(process.waitForFinished(30000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(process.exitCode(), 1);
    const QStringList lines = out.split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QLatin1String(
                 "198.19.7.7: did not answer after its restart: adapter cable0 went down")),
             qPrintable(out));
    QVERIFY2(lines.contains(QLatin1String("198.18.1.10: confirmed")), qPrintable(out));
}

// pump-sim checks where it is before it binds an address outside loopback.
void TestPumpCtlAdapters::simulatorServesTheRangeOnlyAmongVeths()
{
    const auto simulator = [](const QString &address) {
        QProcess sim;
        sim.start(QStringLiteral(PUMPSIM_PATH), { "--first-address", address });
        sim.waitForFinished(5000);
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished();
            return qMakePair(-1, QString());
        }
        return qMakePair(sim.exitCode(), QString::fromUtf8(sim.readAllStandardError()));
    };
    // A real network's address, never.
    const auto real = simulator(QStringLiteral("10.0.0.1"));
    QCOMPARE(real.first, 2);
    QVERIFY(real.second.contains(QLatin1String("every pump address must lie in 127.0.0.0/8")));

    // Among the laptop's veths the range is served (198.18.2.1 is cable0's own).
    QProcess served;
    served.start(QStringLiteral(PUMPSIM_PATH), { "--first-address", "198.18.2.1" });
    QVERIFY(served.waitForReadyRead(5000));
    QVERIFY(
        served.readAllStandardOutput().startsWith("pump 0: SIMPUMP 0000 LOOPBACK at 198.18.2.1"));
    served.kill();
    served.waitForFinished();

    // Beside an interface that is no veth, it is refused before anything is bound.
    QCOMPARE(
        QProcess::execute(QStringLiteral("ip"), { "link", "add", "pumpbridge0", "type", "bridge" }),
        0);
    const auto beside = simulator(QStringLiteral("198.18.2.1"));
    QProcess::execute(QStringLiteral("ip"), { "link", "del", "pumpbridge0" });
    QCOMPARE(beside.first, 2);
    QVERIFY2(beside.second.contains(QLatin1String("pumpbridge0 is neither loopback nor a veth")),
             qPrintable(beside.second));
}

QTEST_GUILESS_MAIN(TestPumpCtlAdapters)
#include "tst_pumpctl_adapters.moc"
