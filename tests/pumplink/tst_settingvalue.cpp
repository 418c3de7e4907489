#include "programprofile.h"
#include "settingvalue.h"

#include <QtTest>

// Whether a pump holds what was written: one rule for the windows, which compare
// what their form shows after the re-read, and for pumpctl, which compares the
// pump's reply itself.
class TestSettingValue : public QObject
{
    Q_OBJECT

private slots:
    void holdsJudgesAReplyAndAFormEachAsTheyShowAValue_data();
    void holdsJudgesAReplyAndAFormEachAsTheyShowAValue();
    void reportsAreTakenAsTheFormTakesThem();
};

namespace {

const SettingDescription &settingOf(const QByteArray &mnemonic)
{
    for (const ProgramProfile *profile : { &ProgramProfile::network(), &ProgramProfile::key() }) {
        const int index = profile->indexOf(mnemonic);
        if (index >= 0)
            return profile->settings().at(index);
    }
    qFatal("No profile has the setting %s", mnemonic.constData());
}

} // namespace

void TestSettingValue::holdsJudgesAReplyAndAFormEachAsTheyShowAValue_data()
{
    QTest::addColumn<QByteArray>("mnemonic");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("held");
    QTest::addColumn<bool>("asReported");
    QTest::addColumn<bool>("onForm");

    // A pump reports upper-cased words; a form shows the words it sends.
    QTest::newRow("DHCP") << QByteArray("NAM") << "DHCP"
                          << "DHCP" << true << true;
    QTest::newRow("static reported") << QByteArray("NAM") << "Static"
                                     << "STATIC" << true << false;
    QTest::newRow("static on the form") << QByteArray("NAM") << "Static"
                                        << "Static" << false << true;
    QTest::newRow("static is not DHCP") << QByteArray("NAM") << "Static"
                                        << "DHCP" << false << false;
    QTest::newRow("switch on reported") << QByteArray("NCM") << "On\r"
                                        << "ON" << true << false;
    QTest::newRow("switch on on the form") << QByteArray("NCM") << "On\r"
                                           << "On\r" << false << true;
    QTest::newRow("switch off is not on") << QByteArray("NBT") << "On\r"
                                          << "Off\r" << false << false;
    QTest::newRow("switch reported off") << QByteArray("NBT") << "Off\r"
                                         << "OFF" << true << false;

    // Addresses compare by their numbers either way.
    QTest::newRow("address padded") << QByteArray("NIP") << "10.0.0.5"
                                    << "010.000.0.5" << true << true;
    QTest::newRow("address differs") << QByteArray("NIP") << "10.0.0.5"
                                     << "10.0.0.6" << false << false;
    QTest::newRow("no address") << QByteArray("NIP") << "10.0.0.5"
                                << "10.0.0." << false << false;

    // The one place the two differ: a reply "045" is the number 45, while a form
    // that shows "045" would send "045" back.
    QTest::newRow("digits as written") << QByteArray("NTT") << "45"
                                       << "45" << true << true;
    QTest::newRow("digits padded") << QByteArray("NTT") << "45"
                                   << "045" << true << false;
    QTest::newRow("digits signed and padded") << QByteArray("NUH") << "5"
                                              << "+05" << true << false;
    QTest::newRow("digits differ") << QByteArray("NTT") << "45"
                                   << "30" << false << false;
    QTest::newRow("digits both empty") << QByteArray("NPA") << ""
                                       << "" << true << true;

    // A key is never read back, so nothing shows that a pump holds it.
    QTest::newRow("key") << QByteArray("NK1") << "secret"
                         << "secret" << false << false;
}

void TestSettingValue::holdsJudgesAReplyAndAFormEachAsTheyShowAValue()
{
    QFETCH(QByteArray, mnemonic);
    QFETCH(QString, sent);
    QFETCH(QString, held);
    QFETCH(bool, asReported);
    QFETCH(bool, onForm);
    const SettingDescription &setting = settingOf(mnemonic);
    QCOMPARE(SettingValue::holds(setting, sent, held), asReported);
    QCOMPARE(SettingValue::holds(setting, sent, held, SettingValue::Held::Reported), asReported);
    QCOMPARE(SettingValue::holds(setting, sent, held, SettingValue::Held::OnForm), onForm);
}

void TestSettingValue::reportsAreTakenAsTheFormTakesThem()
{
    // Only the exact upper-case words count; any other report is the other choice.
    QVERIFY(SettingValue::reportsDhcp(QStringLiteral("DHCP")));
    for (const char *other : { "dhcp", "STATIC", "", "DHCP " })
        QVERIFY2(!SettingValue::reportsDhcp(QString::fromLatin1(other)), other);
    QVERIFY(SettingValue::reportsOn(QStringLiteral("ON")));
    for (const char *other : { "On", "on", "ON ", "OFF", "1", "" })
        QVERIFY2(!SettingValue::reportsOn(QString::fromLatin1(other)), other);

    // What the form sends for a static address, as the window checks for a new address.
    QVERIFY(SettingValue::assignsStatic(QStringLiteral("Static")));
    for (const char *other : { "STATIC", "static", "DHCP", "" })
        QVERIFY2(!SettingValue::assignsStatic(QString::fromLatin1(other)), other);
}

QTEST_GUILESS_MAIN(TestSettingValue)
#include "tst_settingvalue.moc"
