#include "programprofile.h"
#include "pumpctlrun.h"
#include "pumpfixtures.h"
#include "pumpprotocol.h"
#include "pumpsimulatorthread.h"
#include "resulttable.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <memory>

// pumpctl as a technician runs it: the built program against simulated pumps on
// loopback and on a pseudo-terminal. What it prints, where it prints it, what it
// sends and how it exits.
namespace {

using Run = PumpctlRun;

// Rows of CSV text, fields unquoted; a field may hold commas, quotes and line breaks.
QVector<QStringList> parseCsv(const QString &text)
{
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size()
                && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
}

// Pump i with settings of its own, so a value under the wrong pump shows.
SimulatedPumpConfig distinctPump(int number)
{
    SimulatedPumpConfig pump = loopbackPump(number);
    pump.settings.insert("NPA", QByteArray::number(100 + number));
    pump.settings.insert("NDG", "10.1.0." + QByteArray::number(number + 1));
    return pump;
}

// What `read --format csv` must print for a pump: its settings as it answers them,
// upper-cased like every answer.
QStringList expectedRow(const QString &label, const SimulatedPumpConfig &pump,
                        const ProgramProfile &profile)
{
    QStringList row { label };
    for (const SettingDescription &setting : profile.settings())
        row.append(QString::fromUtf8(pump.settings.value(setting.mnemonic)).toUpper());
    return row;
}

QStringList header(const ProgramProfile &profile)
{
    QStringList columns { QStringLiteral("pump") };
    for (const SettingDescription &setting : profile.settings())
        columns.append(QString::fromLatin1(setting.mnemonic));
    return columns;
}

QString nameOf(int number) { return standardPump(number).name; }

} // namespace

class TestPumpCtl : public QObject
{
    Q_OBJECT

private slots:
    void csvQuoting_data();
    void csvQuoting();
    void jsonKeepsTheColumnsOrder();
    void badCommandLines_data();
    void badCommandLines();
    void searchInEveryFormat();
    void readRoundTrip_data();
    void readRoundTrip();
    void readCsvQuotesWhatNeedsIt();
    void pumpsThatMissSettingsAreListed();
    void readJsonListsPumpThenTheProfilesOrder();
    void serialLine();
};

void TestPumpCtl::csvQuoting_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "10.0.0.5"
                           << "10.0.0.5";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("comma") << "A,B"
                           << "\"A,B\"";
    QTest::newRow("quote") << "say \"hi\""
                           << "\"say \"\"hi\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("carriage return") << "On\r"
                                     << "\"On\r\"";
    QTest::newRow("blank at the end") << "PUMP "
                                      << "\"PUMP \"";
}

void TestPumpCtl::csvQuoting()
{
    QFETCH(QString, cell);
    QFETCH(QString, field);
    QCOMPARE(ResultTable::csvField(cell), field);
    ResultTable table({ "pump", "NAM" });
    table.addRow({ cell, QString() });
    QCOMPARE(parseCsv(table.toCsv()), QVector<QStringList>({ { "pump", "NAM" }, { cell, "" } }));
}

void TestPumpCtl::jsonKeepsTheColumnsOrder()
{
    // Not alphabetical: pump first, as in the table and CSV; unknown cells null.
    ResultTable table({ "pump", "NSM", "NAM" });
    table.addRow({ "PUMP \"A\"\\1", "255.0.0.0", QString() });
    table.addRow({ QString::fromUtf8("S\xC3\xBC"
                                     "d"),
                   "", "On\r" });
    QCOMPARE(table.toJson(),
             QString::fromUtf8("[\n"
                               "    {\n"
                               "        \"pump\": \"PUMP \\\"A\\\"\\\\1\",\n"
                               "        \"NSM\": \"255.0.0.0\",\n"
                               "        \"NAM\": null\n"
                               "    },\n"
                               "    {\n"
                               "        \"pump\": \"S\xC3\xBC"
                               "d\",\n"
                               "        \"NSM\": \"\",\n"
                               "        \"NAM\": \"On\\r\"\n"
                               "    }\n"
                               "]\n"));
    QCOMPARE(ResultTable({ "pump" }).toJson(), QStringLiteral("[\n]\n"));
}

void TestPumpCtl::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("unknown command") << QStringList { "list" };
    QTest::newRow("read nothing") << QStringList { "read" };
    QTest::newRow("read pumps and all") << QStringList { "read", "--all", "127.0.0.2" };
    QTest::newRow("read keys") << QStringList { "read", "127.0.0.2", "--profile", "key" };
    QTest::newRow("unknown profile") << QStringList { "read", "127.0.0.2", "--profile", "x" };
    QTest::newRow("unknown format") << QStringList { "search", "--format", "xml" };
    QTest::newRow("wait no number") << QStringList { "search", "--wait", "soon" };
    QTest::newRow("wait negative") << QStringList { "search", "--wait", "-1" };
    QTest::newRow("search with a pump") << QStringList { "search", "127.0.0.2" };
    QTest::newRow("option of another command") << QStringList { "search", "--all" };
    QTest::newRow("unknown option") << QStringList { "read", "--everything" };
    QTest::newRow("serial without port") << QStringList { "read", "--all", "--serial" };
    QTest::newRow("two pumps on one line")
        << QStringList { "--serial", "/dev/null", "read", "127.0.0.2", "127.0.0.3" };
}

void TestPumpCtl::badCommandLines()
{
    QFETCH(QStringList, arguments);
    auto sim = startSimulator({ standardPump(0) });
    QVERIFY(sim);
    const Run run = runPumpctl(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY(run.err.startsWith(QLatin1String("pumpctl: ")));
    QVERIFY(run.err.contains(QLatin1String("pumpctl --help")));
    // Nothing is sent for a wrong command line.
    QVERIFY(sim->frames().isEmpty());
}

void TestPumpCtl::searchInEveryFormat()
{
    SKIP_UNLESS_ISOLATED();
    // A pump in the maker's form, two answering with the same name (the first is
    // listed) and one whose answer names no pump.
    SimulatedPumpConfig brand = standardPump(1);
    brand.identityForm = IdentityForm::BrandWordAndAt;
    SimulatedPumpConfig twin = standardPump(2);
    twin.name = standardPump(0).name + QStringLiteral("-TWIN");
    SimulatedPumpConfig nameless = standardPump(3);
    nameless.identityOverride = "TOO SHORT";
    auto sim = startSimulator({ standardPump(0), brand, twin, nameless });
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());

    const Run table = runPumpctl({ "search", "--wait", "0.5" });
    QCOMPARE(table.exitCode, 0);
    const QStringList lines = table.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).startsWith(QLatin1String("name")));
    QVERIFY(lines.at(1).startsWith(nameOf(0) + QLatin1String("  127.0.0.2  ")));
    QVERIFY(lines.at(2).contains(QLatin1String("BRAND ") + nameOf(1)));
    QVERIFY(table.err.contains(QLatin1String("TOO SHORT")));

    const Run csv = runPumpctl({ "search", "--wait", "0.5", "--format", "csv" });
    QCOMPARE(csv.exitCode, 0);
    QCOMPARE(parseCsv(csv.out),
             QVector<QStringList>(
                 { { "name", "address", "identity" },
                   { nameOf(0), "127.0.0.2", identityText(standardPump(0)) },
                   { nameOf(1), "127.0.0.3", "BRAND " + nameOf(1) + " AT 127.0.0.3 FW 2.4" } }));

    const Run json = runPumpctl({ "search", "--wait", "0.5", "--format", "json" });
    QCOMPARE(json.exitCode, 0);
    const QJsonArray pumps = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(pumps.size(), 2);
    QCOMPARE(pumps.at(0).toObject().value("name").toString(), nameOf(0));
    QCOMPARE(pumps.at(1).toObject().value("address").toString(), QStringLiteral("127.0.0.3"));
    QCOMPARE(pumps.at(0).toObject().value("identity").toString(), identityText(standardPump(0)));
}

void TestPumpCtl::readRoundTrip_data()
{
    QTest::addColumn<QString>("profileName");
    QTest::newRow("network") << "network";
    QTest::newRow("ip") << "ip";
}

void TestPumpCtl::readRoundTrip()
{
    SKIP_UNLESS_ISOLATED();
    QFETCH(QString, profileName);
    const ProgramProfile &profile = *ProgramProfile::byName(profileName);
    QVector<SimulatedPumpConfig> pumps;
    for (int i = 0; i < 4; ++i)
        pumps.append(distinctPump(i));
    auto sim = startSimulator(pumps);
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());

    // Every pump found, as the plan `write` takes.
    const Run all = runPumpctl(
        { "read", "--all", "--wait", "0.5", "--profile", profileName, "--format", "csv" });
    QCOMPARE(all.exitCode, 0);
    QCOMPARE(all.err, QString());
    QVector<QStringList> expected { header(profile) };
    for (int i = 0; i < pumps.size(); ++i)
        expected.append(expectedRow(nameOf(i), pumps.at(i), profile));
    QCOMPARE(parseCsv(all.out), expected);
    // Each pump got its read sequence, once.
    for (int i = 0; i < pumps.size(); ++i) {
        QList<QByteArray> mine;
        for (const ReceivedFrame &frame : sim->frames()) {
            if (frame.pump == i)
                mine.append(frame.bytes);
        }
        QCOMPARE(mine, profile.queryFrames().toList());
    }

    // Pumps by name in any case, and by address: the name labels it when searched.
    const Run some = runPumpctl(
        { "read", nameOf(2).toLower(), "127.0.0.2", "--profile", profileName, "--format", "json" });
    QCOMPARE(some.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(some.out.toUtf8()).array();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).toObject().value("pump").toString(), nameOf(2));
    QCOMPARE(rows.at(0).toObject().value("NDG").toString(), QStringLiteral("10.1.0.3"));
    QCOMPARE(rows.at(1).toObject().value("pump").toString(), nameOf(0));
    QCOMPARE(rows.at(1).toObject().value("NIP").toString(), QStringLiteral("127.0.0.2"));
    QCOMPARE(rows.at(1).toObject().keys().size(), profile.settingCount() + 1);

    // By address alone no search is needed, and the address labels the pump. The
    // link's diagnostic lines go to standard error, apart from the results.
    sim->clearFrames();
    const Run table = runPumpctl({ "read", "127.0.0.5", "--profile", profileName, "--verbose" });
    QCOMPARE(table.exitCode, 0);
    QVERIFY(table.err.contains("[FleetLink] send () \"127.0.0.5\" \"NAM\"\n"));
    QVERIFY(table.err.contains(
        "[FleetLink] reply () \"127.0.0.5\" Command: \"NSM\" Value:  \"255.255.0.0\"\n"));
    const QStringList lines = table.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).simplified(), header(profile).join(QLatin1Char(' ')));
    QCOMPARE(lines.at(1).simplified(),
             expectedRow("127.0.0.5", pumps.at(3), profile).join(QLatin1Char(' ')));
    for (const ReceivedFrame &frame : sim->frames())
        QCOMPARE(frame.pump, 3);
}

void TestPumpCtl::readCsvQuotesWhatNeedsIt()
{
    SKIP_UNLESS_ISOLATED();
    SimulatedPumpConfig odd = distinctPump(0);
    odd.name = QStringLiteral("LINE 3, \"EAST\" 12");
    odd.settings.insert("NDG", "");
    auto sim = startSimulator({ odd });
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());
    const Run run = runPumpctl({ "read", "--all", "--wait", "0.5", "--format", "csv" });
    QCOMPARE(run.exitCode, 0);
    const QVector<QStringList> rows = parseCsv(run.out);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).first(), QStringLiteral("LINE 3, \"EAST\" 12"));
    QCOMPARE(rows.at(1), expectedRow(rows.at(1).first(), odd, ProgramProfile::network()));
}

void TestPumpCtl::pumpsThatMissSettingsAreListed()
{
    QVector<SimulatedPumpConfig> pumps { distinctPump(0), distinctPump(1), distinctPump(2) };
    pumps[1].settings.remove("NTT");
    pumps[1].settings.remove("NPA");
    auto sim = startSimulator(pumps);
    QVERIFY(sim);
    sim->setFault(2, PumpFault::Silent);
    const Run run = runPumpctl(
        { "read", "127.0.0.2", "127.0.0.3", "127.0.0.4", "--format", "csv", "--retry-for", "1" });
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err,
             QStringLiteral("pumpctl: 127.0.0.3: did not answer NTT, NPA\n"
                            "pumpctl: 127.0.0.4: did not answer\n"));
    // Still every row, the unanswered cells empty: the plan keeps what it cannot know.
    const QVector<QStringList> rows = parseCsv(run.out);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(1), expectedRow("127.0.0.2", pumps.at(0), ProgramProfile::network()));
    QCOMPARE(rows.at(2), expectedRow("127.0.0.3", pumps.at(1), ProgramProfile::network()));
    QCOMPARE(rows.at(3).mid(1).join(QString()), QString());
    QCOMPARE(rows.at(3).size(), 14);

    // The missing settings were asked again, and nothing else, while the retry window
    // lasted; each pump still paced as a window paces it.
    QVector<ReceivedFrame> toPartial;
    QVector<ReceivedFrame> toSilent;
    for (const ReceivedFrame &frame : sim->frames()) {
        if (frame.pump == 1)
            toPartial.append(frame);
        else if (frame.pump == 2)
            toSilent.append(frame);
    }
    const QList<QByteArray> again = frameBytes(toPartial).mid(13);
    QVERIFY2(again.size() >= 2 && again.size() % 2 == 0 && again.size() <= 8,
             qPrintable(QString::number(again.size())));
    for (int i = 0; i < again.size(); i += 2)
        QCOMPARE(again.mid(i, 2),
                 QList<QByteArray>({ QByteArray("\x02NTT\r"), QByteArray("\x02NPA\r") }));
    // A pump that answers nothing is asked everything again, the same way.
    QVERIFY(toSilent.size() >= 26 && toSilent.size() % 13 == 0);
    QCOMPARE(frameBytes(toSilent).mid(13, 13), ProgramProfile::network().queryFrames().toList());
    for (const QVector<ReceivedFrame> &frames : { toPartial, toSilent }) {
        const QString pacing = pacingFault(frames);
        QVERIFY2(pacing.isEmpty(), qPrintable(pacing));
    }
}

void TestPumpCtl::readJsonListsPumpThenTheProfilesOrder()
{
    SimulatedPumpConfig pump = distinctPump(0);
    pump.settings.remove("ND1");
    auto sim = startSimulator({ pump });
    QVERIFY(sim);
    const Run run = runPumpctl({ "read", "127.0.0.2", "--profile", "ip", "--format", "json" });
    QCOMPARE(run.exitCode, 1);
    const ProgramProfile &profile = ProgramProfile::ip();
    const QStringList row = expectedRow(QStringLiteral("127.0.0.2"), pump, profile);
    const QStringList columns = header(profile);
    QString expected = QStringLiteral("[\n    {\n");
    for (int i = 0; i < columns.size(); ++i) {
        const QString value = columns.at(i) == QLatin1String("ND1")
            ? QStringLiteral("null")
            : QLatin1Char('"') + row.at(i) + QLatin1Char('"');
        expected += QStringLiteral("        \"%1\": %2%3\n")
                        .arg(columns.at(i), value,
                             i + 1 < columns.size() ? QStringLiteral(",") : QString());
    }
    expected += QStringLiteral("    }\n]\n");
    QCOMPARE(run.out, expected);
}

void TestPumpCtl::serialLine()
{
    auto sim = startSimulator({ distinctPump(0) });
    QVERIFY(sim);
    const QString line = sim->openSerialLine(0);
    QVERIFY(!line.isEmpty());
    const Run read = runPumpctl({ "--serial", line, "read", "--all", "--format", "csv" });
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(parseCsv(read.out),
             QVector<QStringList>(
                 { header(ProgramProfile::network()),
                   expectedRow(nameOf(0), distinctPump(0), ProgramProfile::network()) }));
    QByteArray expected = PumpProtocol::identityQueryFrame();
    for (const QByteArray &frame : ProgramProfile::network().queryFrames())
        expected += frame;
    QCOMPARE(sim->serialBytes(), expected);

    const Run search = runPumpctl({ "search", "--serial", line, "--format", "csv" });
    QCOMPARE(search.exitCode, 0);
    QCOMPARE(parseCsv(search.out).value(1).value(0), nameOf(0));

    // A port that cannot be opened says why and sends nothing.
    const Run missing = runPumpctl({ "--serial", "/dev/no-such-pump-line", "read", "--all" });
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.out, QString());
    QVERIFY2(missing.err.startsWith("pumpctl: cannot open /dev/no-such-pump-line: "),
             qPrintable(missing.err));
}

QTEST_GUILESS_MAIN(TestPumpCtl)
#include "tst_pumpctl.moc"
