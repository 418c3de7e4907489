#include "programprofile.h"

#include <QtTest>

// The three programs' tables as data: what each reads, writes and accepts.
class TestProgramProfile : public QObject
{
    Q_OBJECT

private slots:
    void readSequences_data();
    void readSequences();
    void writeSequenceSendsEveryValueInOrderThenSaves();
    void repliesAreClassifiedPerProgram_data();
    void repliesAreClassifiedPerProgram();
    void profilesAreFoundByName();
    void settingsCarryTheirTitleAndRole_data();
    void settingsCarryTheirTitleAndRole();
};

QByteArray joined(const QVector<QByteArray> &frames)
{
    QByteArray all;
    for (const QByteArray &frame : frames)
        all += frame;
    return all;
}

void TestProgramProfile::readSequences_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QByteArray>("queries");
    QTest::addColumn<bool>("pausesAfterLast");

    const QByteArray ip = QByteArray::fromHex("024e414d0d"
                                              "024e49500d"
                                              "024e534d0d"
                                              "024e44470d"
                                              "024e44310d"
                                              "024e44320d");
    QTest::newRow("network: thirteen queries") << "network"
                                               << ip
            + QByteArray::fromHex("024e54540d"
                                  "024e55480d"
                                  "024e554d0d"
                                  "024e434d0d"
                                  "024e42540d"
                                  "024e544e0d"
                                  "024e50410d") << false;
    QTest::newRow("ip: six queries, pause after the last") << "ip" << ip << true;
    QTest::newRow("key: reads nothing") << "key" << QByteArray() << false;
}

void TestProgramProfile::readSequences()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, queries);
    QFETCH(bool, pausesAfterLast);
    const ProgramProfile *found = ProgramProfile::byName(profile);
    QVERIFY(found);
    QCOMPARE(joined(found->queryFrames()), queries);
    QCOMPARE(found->readsSettings(), !queries.isEmpty());
    QCOMPARE(found->pausesAfterLastQuery(), pausesAfterLast);
}

void TestProgramProfile::writeSequenceSendsEveryValueInOrderThenSaves()
{
    // Values are sent exactly as given; one not given goes out empty.
    const QVector<QByteArray> frames
        = ProgramProfile::key().writeFrames({ "alpha,beta",
                                              QString::fromUtf8("Schl\xc3\xbc"
                                                                "ssel"),
                                              "", "k4" });
    QCOMPARE(frames.size(), 6);
    QCOMPARE(frames.at(0), QByteArray("\x02NK1,alpha,beta\r"));
    QCOMPARE(frames.at(1), QByteArray("\x02NK2,Schl\xc3\xbcssel\r"));
    QCOMPARE(frames.at(2), QByteArray("\x02NK3,\r"));
    QCOMPARE(frames.at(3), QByteArray("\x02NK4,k4\r"));
    QCOMPARE(frames.at(4), QByteArray("\x02NK5,\r"));
    QCOMPARE(frames.at(5), QByteArray::fromHex("024e53560d"));

    const QVector<QByteArray> network = ProgramProfile::network().writeFrames(
        { "Static", "10.0.0.5", "", "", "", "", "45", "-5", "30", "On\r" });
    QCOMPARE(network.size(), 14);
    QCOMPARE(network.at(0), QByteArray::fromHex("024e414d2c5374617469630d"));
    QCOMPARE(network.at(9), QByteArray::fromHex("024e434d2c4f6e0d0d"));
    QCOMPARE(network.at(12), QByteArray::fromHex("024e50412c0d"));
}

void TestProgramProfile::repliesAreClassifiedPerProgram_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QByteArray>("mnemonic");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");

    using Kind = ProgramProfile::ReplyKind;
    QTest::newRow("network NID") << "network" << QByteArray("NID") << int(Kind::Identity) << -1;
    QTest::newRow("network NPA") << "network" << QByteArray("NPA") << int(Kind::Setting) << 12;
    QTest::newRow("network NUO quiet") << "network" << QByteArray("NUO") << int(Kind::Quiet) << -1;
    QTest::newRow("network NK1") << "network" << QByteArray("NK1") << int(Kind::Unknown) << -1;
    QTest::newRow("ip NUO unknown") << "ip" << QByteArray("NUO") << int(Kind::Unknown) << -1;
    QTest::newRow("ip NTT unknown") << "ip" << QByteArray("NTT") << int(Kind::Unknown) << -1;
    QTest::newRow("ip ND2") << "ip" << QByteArray("ND2") << int(Kind::Setting) << 5;
    QTest::newRow("key NK1 never read") << "key" << QByteArray("NK1") << int(Kind::Unknown) << -1;
    QTest::newRow("key NID") << "key" << QByteArray("NID") << int(Kind::Identity) << -1;
    QTest::newRow("lower case is not upper-cased here")
        << "network" << QByteArray("nam") << int(Kind::Unknown) << -1;
}

void TestProgramProfile::repliesAreClassifiedPerProgram()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, mnemonic);
    QFETCH(int, kind);
    QFETCH(int, index);
    int found = -1;
    QCOMPARE(int(ProgramProfile::byName(profile)->classifyReply(mnemonic, &found)), kind);
    QCOMPARE(found, index);
}

void TestProgramProfile::profilesAreFoundByName()
{
    QCOMPARE(ProgramProfile::byName("network"), &ProgramProfile::network());
    QCOMPARE(ProgramProfile::byName("ip"), &ProgramProfile::ip());
    QCOMPARE(ProgramProfile::byName("key"), &ProgramProfile::key());
    QVERIFY(!ProgramProfile::byName("Network"));
    QVERIFY(!ProgramProfile::byName(""));
    QCOMPARE(ProgramProfile::network().settingCount(), 13);
    const SettingDescription utcHours = ProgramProfile::network().settings().at(7);
    QCOMPARE(utcHours.mnemonic, QByteArray("NUH"));
    QVERIFY(utcHours.kind == SettingKind::Digits && utcHours.mayBeSigned
            && utcHours.maxDigits == 2);
}

void TestProgramProfile::settingsCarryTheirTitleAndRole_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("assignment");
    QTest::addColumn<int>("address");

    const QStringList ip { "IP Assignment",   "IPv4 Address", "Subnet Mask",
                           "Default Gateway", "DNS Server 1", "DNS Server 2" };
    QTest::newRow("network") << "network"
                             << ip + QStringList { "TCP Timeout",        "UTC Offset hours",
                                                   "UTC Offset minutes", "Cloud Monitor",
                                                   "Bluetooth",          "Telnet",
                                                   "PROFIBUS Address" }
                             << 0 << 1;
    QTest::newRow("ip") << "ip" << ip << 0 << 1;
    QTest::newRow("key: no assignment, no address")
        << "key" << QStringList { "Key 1", "Key 2", "Key 3", "Key 4", "Key 5" } << -1 << -1;
}

void TestProgramProfile::settingsCarryTheirTitleAndRole()
{
    QFETCH(QString, profile);
    QFETCH(QStringList, titles);
    QFETCH(int, assignment);
    QFETCH(int, address);
    const ProgramProfile *found = ProgramProfile::byName(profile);
    QStringList shown;
    for (const SettingDescription &setting : found->settings())
        shown.append(QString::fromLatin1(setting.title));
    QCOMPARE(shown, titles);
    QCOMPARE(found->indexOf(SettingRole::Assignment), assignment);
    QCOMPARE(found->indexOf(SettingRole::Address), address);
    QCOMPARE(found->mnemonicOf(SettingRole::Address),
             address >= 0 ? QByteArray("NIP") : QByteArray());
}

QTEST_APPLESS_MAIN(TestProgramProfile)
#include "tst_programprofile.moc"
