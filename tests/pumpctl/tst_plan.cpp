#include "plan.h"
#include "planreader.h"
#include "programprofile.h"
#include "settingvalue.h"

#include <QBuffer>
#include <QtTest>

// The plan file from outside: how it is cut into cells, what is refused and where
// the problem is placed, and what each checked cell will send.
class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void readerCutsCells_data();
    void readerCutsCells();
    void readerRefusesBrokenFiles_data();
    void readerRefusesBrokenFiles();
    void readerStaysBoundedOnAMillionRows();
    void plansSavedBySpreadsheetsAreRead_data();
    void plansSavedBySpreadsheetsAreRead();
    void planProblemsNameLineAndColumn_data();
    void planProblemsNameLineAndColumn();
    void planValuesAreWhatTheWindowsSend_data();
    void planValuesAreWhatTheWindowsSend();
    void reportsAreComparedAsTheWindowsShowThem_data();
    void reportsAreComparedAsTheWindowsShowThem();
};

namespace {

// Rows as "cell|cell" joined by ";", so a table reads in one line.
QString flattened(const QVector<QVector<PlanCell>> &rows)
{
    QStringList lines;
    for (const QVector<PlanCell> &row : rows) {
        QStringList cells;
        for (const PlanCell &cell : row)
            cells.append(cell.text);
        lines.append(cells.join(QLatin1Char('|')));
    }
    return lines.join(QLatin1Char(';'));
}

QStringList problemsOf(const QByteArray &bytes, const QString &profileName, bool allowEmptyKeys)
{
    PlanReader reader;
    reader.read(bytes);
    Plan plan(*ProgramProfile::byName(profileName), allowEmptyKeys);
    for (const PlanProblem &problem : reader.problems())
        plan.addProblem(problem);
    plan.check(reader.rows());
    return plan.report(QStringLiteral("plan.csv"));
}

// Values compared as the plan holds them: a null value (kept) is not an empty one.
void compareValues(const QStringList &actual, const QStringList &expected)
{
    QCOMPARE(actual, expected);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(actual.at(i).isNull(), expected.at(i).isNull());
}

} // namespace

void TestPlan::readerCutsCells_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows");
    QTest::newRow("LF, last line without end")
        << QByteArray("pump,NIP\nA,1.2.3.4") << "pump|NIP;A|1.2.3.4";
    QTest::newRow("CRLF") << QByteArray("pump,NIP\r\nA,1.2.3.4\r\n") << "pump|NIP;A|1.2.3.4";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFpump\nA\n") << "pump;A";
    QTest::newRow("quoted cells, doubled quotes, comma and line end inside")
        << QByteArray("pump,NK1\n\"A\",\"a \"\"b\"\", c\nd\"\n") << "pump|NK1;A|a \"b\", c\nd";
    QTest::newRow("blank lines and empty rows skipped")
        << QByteArray("pump,NIP\n\n,\nA,\n") << "pump|NIP;A|";
    QTest::newRow("UTF-8 text") << QByteArray("pump\nPump\xC3\xA9\n") << QString("pump;Pump\u00e9");
    QTest::newRow("semicolons, as the header shows")
        << QByteArray("pump;NIP\r\nA;1.2.3.4\r\n") << "pump|NIP;A|1.2.3.4";
    QTest::newRow("semicolons: commas are text, so are quoted semicolons")
        << QByteArray("\"Pump\";\"NK1\"\nA,B;\"x;y\"\n") << "Pump|NK1;A,B|x;y";
    QTest::newRow("commas: semicolons are text")
        << QByteArray("pump,NK1\nA;B,x\n") << "pump|NK1;A;B|x";
    QTest::newRow("semicolons after a byte order mark and blank lines")
        << QByteArray("\xEF\xBB\xBF\n;;\r\n pump ;NIP\nA;1\n") << " pump |NIP;A|1";
}

void TestPlan::readerCutsCells()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    PlanReader reader;
    QVERIFY(reader.read(bytes));
    QCOMPARE(flattened(reader.rows()), rows);
}

void TestPlan::readerRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("quote left open")
        << QByteArray("pump,NK1\nA,\"abc\n") << "2:2: a quote is left open";
    QTest::newRow("invalid UTF-8")
        << QByteArray("pump,NIP\nA\xC3(,1.2.3.4\n") << "2:1: the cell is not UTF-8 text";
    QTest::newRow("overlong UTF-8")
        << QByteArray("pump\n\xC0\xAF\n") << "2:1: the cell is not UTF-8 text";
    QTest::newRow("NUL byte") << QByteArray("pump,NIP\nA,1.2\0.3.4\n", 21)
                              << "2:2: the cell holds a NUL byte";
    QTest::newRow("quote inside an unquoted cell")
        << QByteArray("pump\nA\"B\n") << "2:1: a quote inside a cell that is not quoted";
    QTest::newRow("text after the closing quote")
        << QByteArray("pump\n\"A\"B\n") << "2:1: text after the closing quote of a cell";
    QTest::newRow("huge cell") << "pump\n" + QByteArray(2000, 'x')
                               << "2:1: the cell is longer than 1024 bytes";
    QTest::newRow("huge line") << "pump\n" + QByteArray(20000, ',')
                               << "2:65: the row has more than 64 columns";
    QTest::newRow("huge quoted line") << "pump\n\"" + QByteArray(1000, 'x') + "\""
            + QByteArray(20000, ',') << "2:65: the row has more than 64 columns";
    QTest::newRow("header separated by tabs")
        << QByteArray("pump\tNAM\tNIP\nA\tDHCP\t\n")
        << "1:1: the header row does not begin with \"pump\" followed by a comma or a semicolon: "
           "it begins \"pump\\tNAM\\tNIP\" and holds no comma, no semicolon, 2 tabs";
    QTest::newRow("header in another language, after a blank line")
        << QByteArray("\r\nPumpe;Adresse;Netzmaske;Gateway,DNS\r\nA;1\r\n")
        << "2:1: the header row does not begin with \"pump\" followed by a comma or a semicolon: "
           "it begins \"Pumpe;Adresse;Netzmaske;...\" and holds 1 comma, 3 semicolons";
    QTest::newRow("header too long to be one")
        << QByteArray(20000, 'x')
        << "1:1: the header row does not begin with \"pump\" followed by a comma or a semicolon: "
           "it begins \"xxxxxxxxxxxxxxxxxxxxxxxx...\" and holds no comma, no semicolon";
}

void TestPlan::readerRefusesBrokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    PlanReader reader;
    QVERIFY(!reader.read(bytes));
    const PlanProblem first = reader.problems().first();
    QCOMPARE(QStringLiteral("%1:%2: %3").arg(first.line).arg(first.column).arg(first.what),
             problem);
}

void TestPlan::readerStaysBoundedOnAMillionRows()
{
    // Streamed from a device, the reading stops at the row limit rather than taking
    // all of the file in.
    QByteArray million = "pump,NIP\n";
    million.reserve(9 + 8 * 1000000);
    for (int i = 0; i < 1000000; ++i)
        million += "P,1.2.3\n";
    QBuffer file(&million);
    QVERIFY(file.open(QIODevice::ReadOnly));
    PlanReader reader;
    QVERIFY(!reader.read(&file));
    QCOMPARE(reader.problems().size(), 1);
    QCOMPARE(reader.problems().first().what, QStringLiteral("the plan has more than 10000 pumps"));
    QCOMPARE(reader.problems().first().line, 10002);
    QVERIFY(file.pos() < million.size());

    // Past the file limit, whatever the rows.
    QByteArray huge = "pump\n" + QByteArray(9 * 1024 * 1024, '\n');
    QCOMPARE(reader.read(huge), false);
    QCOMPARE(reader.problems().first().what,
             QStringLiteral("the plan is larger than 8388608 bytes"));
}

void TestPlan::plansSavedBySpreadsheetsAreRead_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("pumps");
    QTest::addColumn<QStringList>("firstValues");
    const QString none;
    // Saved from plan-libreoffice.ods by LibreOffice Calc, "Text CSV" with semicolons.
    QTest::newRow("LibreOffice Calc, semicolons")
        << "plan-libreoffice-semicolons.csv"
        << "pump|NAM|NIP|NSM|NDG|NTT|NUH|NCM;"
           "PUMP-0001-AB12CD3|Static|10.0.0.5|255.255.255.0|10.0.0.1|60|-5|On;"
           "PUMP-0002-AB12CD3|Static|10.0.0.6|255.255.255.0|10.0.0.1||3|Off;"
           "10.1.2.3|DHCP||||120||on"
        << QStringList { "PUMP-0001-AB12CD3", "PUMP-0002-AB12CD3", "10.1.2.3" }
        << QStringList { "Static", "10.0.0.5", "255.255.255.0", "10.0.0.1", none, none, "60",
                         "-5",     none,       "On\r",          none,       none, none };
    // As a spreadsheet's "CSV UTF-8" is saved where the list separator is a semicolon.
    QTest::newRow("byte order mark, CRLF, semicolons, a quoted semicolon")
        << "plan-excel-utf8-bom-crlf.csv"
        << QString::fromUtf8("pump|NAM|NIP|NSM|NDG|NUH|NCM;"
                             "Pumpe S\xC3\xBC"
                             "d 1|Static|10.0.0.7|255.255.255.0|10.0.0.1|1|On;"
                             "Pumpe; Halle 2|DHCP|||||off;"
                             "10.1.2.4|||||-2|")
        << QStringList { QString::fromUtf8("Pumpe S\xC3\xBC"
                                           "d 1"),
                         "Pumpe; Halle 2", "10.1.2.4" }
        << QStringList { "Static", "10.0.0.7", "255.255.255.0", "10.0.0.1", none, none, none,
                         "1",      none,       "On\r",          none,       none, none };
}

void TestPlan::plansSavedBySpreadsheetsAreRead()
{
    QFETCH(QString, file);
    QFETCH(QString, rows);
    QFETCH(QStringList, pumps);
    QFETCH(QStringList, firstValues);
    QFile saved(QStringLiteral(PLAN_DATA_DIR "/") + file);
    QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(saved.errorString()));
    PlanReader reader;
    QVERIFY(reader.read(&saved));
    QCOMPARE(flattened(reader.rows()), rows);
    Plan plan(ProgramProfile::network(), false);
    QVERIFY2(plan.check(reader.rows()), qPrintable(plan.report(file).join('\n')));
    QStringList planned;
    for (const PlannedPump &pump : plan.pumps())
        planned.append(pump.pump);
    QCOMPARE(planned, pumps);
    compareValues(plan.pumps().first().values, firstValues);
}

void TestPlan::planProblemsNameLineAndColumn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("report");
    QTest::newRow("every value rule, all at once")
        << QByteArray("Pump,nam,NIP,NSM,NTT,NUH,NUM,NCM,NPA\n"
                      "A,dhcpx,10.0.0.256,255.255.255,1234,+123,123,yes,12a\n"
                      "B,Static,1.2.3.4,255.0.0.0,999,-12,59,ON,999\n")
        << "network"
        << QStringList {
               "plan.csv:2:2: NAM must be DHCP or Static, not \"dhcpx\"",
               "plan.csv:2:3: NIP \"10.0.0.256\" is not an IPv4 address (four numbers 0-255)",
               "plan.csv:2:4: NSM \"255.255.255\" is not an IPv4 address (four numbers 0-255)",
               "plan.csv:2:5: NTT \"1234\" is not up to 3 digits",
               "plan.csv:2:6: NUH \"+123\" is not a sign or digit and up to 2 more digits",
               "plan.csv:2:7: NUM \"123\" is not up to 2 digits",
               "plan.csv:2:8: NCM must be On or Off, not \"yes\"",
               "plan.csv:2:9: NPA \"12a\" is not up to 3 digits"
           };
    QTest::newRow("control characters, header faults, duplicates")
        << QByteArray("pump,NIP,NTT,NIP,NKX\n"
                      "A,\"1.2.3.4\r\",5,1.2.3.4,\n"
                      "a,,,,\n"
                      ",1.2.3.4,,,\n"
                      "B\x02,,,,\n"
                      "C,1.2.3.4\n")
        << "ip"
        << QStringList {
               "plan.csv:1:3: unknown column \"NTT\": the ip profile has NAM NIP NSM NDG ND1 ND2",
               "plan.csv:1:4: column NIP appears twice",
               "plan.csv:1:5: unknown column \"NKX\": the ip profile has NAM NIP NSM NDG ND1 ND2"
           };
    QTest::newRow("rows after a good header")
        << QByteArray("pump,NIP\n"
                      "A,\"1.2.3.4\r\"\n"
                      "a,\n"
                      "127.0.0.2,\n"
                      "127.000.000.002,\n"
                      ",1.2.3.4\n"
                      "B\x02,\n"
                      "C,1.2.3.4,5\n")
        << "ip"
        << QStringList { "plan.csv:2:2: NIP holds a control character",
                         "plan.csv:3:1: pump \"a\" is planned on line 2 already",
                         "plan.csv:5:1: pump \"127.000.000.002\" is planned on line 4 already",
                         "plan.csv:6:1: the pump cell is empty: name a pump or its address",
                         "plan.csv:7:1: the pump cell holds a control character",
                         "plan.csv:8:3: the row has 3 cells, the header 2" };
    QTest::newRow("key plans: every key, never its value")
        << QByteArray("pump,NK1,NK2,NK3,NK4\nA,secret1,,\"sec\nret\",x\n") << "key"
        << QStringList { "plan.csv:1:6: column NK5 is missing: a key plan needs all 5 keys" };
    QTest::newRow("key cells")
        << QByteArray("pump,NK1,NK2,NK3,NK4,NK5\nA,secret1,,\"sec\nret\",x,\" \"\n") << "key"
        << QStringList {
               "plan.csv:2:3: NK2 is empty (give --allow-empty-keys to send an empty key)",
               "plan.csv:2:4: NK3 holds a control character"
           };
    QTest::newRow("reader and checker problems together")
        << QByteArray("pump,NIP\nA\xff,1.2.3.4\nB,1.2.3\n") << "ip"
        << QStringList {
               "plan.csv:2:1: the cell is not UTF-8 text",
               "plan.csv:3:2: NIP \"1.2.3\" is not an IPv4 address (four numbers 0-255)"
           };
    QTest::newRow("no pump") << QByteArray("pump,NIP\n") << "ip"
                             << QStringList { "plan.csv:1:1: the plan names no pump" };
    QTest::newRow("no header") << QByteArray("A,1.2.3.4\n") << "ip"
                               << QStringList { "plan.csv:1:1: the header row does not begin with "
                                                "\"pump\" followed by a comma or a semicolon: it "
                                                "begins \"A,1.2.3.4\" and holds 1 comma, no "
                                                "semicolon" };
    QTest::newRow("semicolons, checked as commas are")
        << QByteArray("pump;NIP\nA;1.2.3\nB\n") << "ip"
        << QStringList { "plan.csv:2:2: NIP \"1.2.3\" is not an IPv4 address (four numbers 0-255)",
                         "plan.csv:3:2: the row has 1 cells, the header 2" };
}

void TestPlan::planProblemsNameLineAndColumn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, profile);
    QFETCH(QStringList, report);
    const QStringList problems = problemsOf(bytes, profile, false);
    QCOMPARE(problems, report);
    QVERIFY(!problems.join(QLatin1Char('\n')).contains(QLatin1String("secret")));
}

void TestPlan::planValuesAreWhatTheWindowsSend_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("keepsSome");
    QTest::newRow("network, every column, in another order and case") << QByteArray(
        "PUMP,npa,NAM,NIP,NSM,NDG,ND1,ND2,NTT,NUH,NUM,NCM,NBT,NTN\n"
        "A, 7 "
        ",static,010.000.000.005,255.255.255.000,10.0.0.1,8.8.8.8,8.8.4.4,60,-5,30,"
        "on,OFF,On\n") << "network" << QStringList { "Static",   "10.0.0.5", "255.255.255.0",
                                                     "10.0.0.1", "8.8.8.8",  "8.8.4.4",
                                                     "60",       "-5",       "30",
                                                     "On\r",     "Off\r",    "On\r",
                                                     "7" } << false;
    QTest::newRow("ip, partial: empty cells and left-out columns are kept")
        << QByteArray("pump,NIP,NAM\nA,10.0.0.5,\n") << "ip"
        << QStringList { QString(), "10.0.0.5", QString(), QString(), QString(), QString() }
        << true;
    QTest::newRow("key, empty key allowed, sent as written")
        << QByteArray("pump,NK1,NK2,NK3,NK4,NK5\nA, k 1 ,,\"a,\"\"b\",\xC3\xA9,x\n") << "key"
        << QStringList { " k 1 ", "", "a,\"b", QString::fromUtf8("\xC3\xA9"), "x" } << false;
}

void TestPlan::planValuesAreWhatTheWindowsSend()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, profile);
    QFETCH(QStringList, values);
    QFETCH(bool, keepsSome);
    PlanReader reader;
    QVERIFY(reader.read(bytes));
    Plan plan(*ProgramProfile::byName(profile), true);
    QVERIFY2(plan.check(reader.rows()), qPrintable(plan.report("plan.csv").join('\n')));
    QCOMPARE(plan.pumps().size(), 1);
    compareValues(plan.pumps().first().values, values);
    QCOMPARE(plan.pumps().first().keepsSome(), keepsSome);
}

void TestPlan::reportsAreComparedAsTheWindowsShowThem_data()
{
    QTest::addColumn<QString>("mnemonic");
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("keptAs");
    QTest::addColumn<QString>("holdsSent");
    QTest::addColumn<bool>("holds");
    QTest::newRow("DHCP") << "NAM"
                          << "DHCP"
                          << "DHCP"
                          << "DHCP" << true;
    QTest::newRow("static") << "NAM"
                            << "STATIC"
                            << "Static"
                            << "Static" << true;
    QTest::newRow("static is not DHCP") << "NAM"
                                        << "STATIC"
                                        << "Static"
                                        << "DHCP" << false;
    QTest::newRow("switch on") << "NCM"
                               << "ON"
                               << "On\r"
                               << "On\r" << true;
    QTest::newRow("switch off") << "NBT"
                                << "OFF"
                                << "Off\r"
                                << "On\r" << false;
    QTest::newRow("address, leading zeros") << "NIP"
                                            << "010.0.0.5"
                                            << "10.0.0.5"
                                            << "10.0.0.5" << true;
    QTest::newRow("address differs") << "NIP"
                                     << "10.0.0.6"
                                     << "10.0.0.6"
                                     << "10.0.0.5" << false;
    QTest::newRow("address not kept") << "NIP"
                                      << "GARBAGE" << QString() << "10.0.0.5" << false;
    QTest::newRow("digits by number") << "NUH"
                                      << "+05"
                                      << "+05"
                                      << "5" << true;
}

void TestPlan::reportsAreComparedAsTheWindowsShowThem()
{
    QFETCH(QString, mnemonic);
    QFETCH(QString, reported);
    QFETCH(QString, keptAs);
    QFETCH(QString, holdsSent);
    QFETCH(bool, holds);
    const ProgramProfile &network = ProgramProfile::network();
    const SettingDescription &setting = network.settings().at(network.indexOf(mnemonic.toLatin1()));
    QString kept;
    QCOMPARE(SettingValue::keepReported(setting, reported, &kept), !keptAs.isNull());
    if (!keptAs.isNull())
        QCOMPARE(kept, keptAs);
    QCOMPARE(SettingValue::holds(setting, holdsSent, reported), holds);
}

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
