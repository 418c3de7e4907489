#include "ipv4address.h"
#include "identity.h"

#include <QHostAddress>
#include <QtTest>

class TestIdentityAddress : public QObject
{
    Q_OBJECT

private slots:
    void identities_data();
    void identities();
    void addresses_data();
    void addresses();
    void senderAddresses_data();
    void senderAddresses();
};

void TestIdentityAddress::identities_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("address");

    QTest::newRow("name first, address behind @")
        << QByteArray("ABCDEFGHIJKLMNOPQRS @ 10.0.0.7 X") << true << QByteArray("ABCDEFGHIJKLMNOPQ")
        << QByteArray("10.0.0.7");
    QTest::newRow("maker word first, address behind AT")
        << QByteArray("BRAND ABCDEFGHIJKLMNOPQRS AT 10.0.0.7 X") << true
        << QByteArray("ABCDEFGHIJKLMNOPQ") << QByteArray("10.0.0.7");
    QTest::newRow("address runs to the end of the text")
        << QByteArray("PUMP-0001-AB12CD3 @ 127.0.0.2") << true << QByteArray("PUMP-0001-AB12CD3")
        << QByteArray("127.0.0.2");
    QTest::newRow("IPv6 literal") << QByteArray("PUMP-0001-AB12CD3 @ FE80::1 V2") << true
                                  << QByteArray("PUMP-0001-AB12CD3") << QByteArray("FE80::1");
    QTest::newRow("too short for a name")
        << QByteArray("SHORT @ 10.0.0.7") << false << QByteArray() << QByteArray();
    QTest::newRow("maker word but too short a name")
        << QByteArray("BRAND ABC AT 1.2.3.4") << false << QByteArray() << QByteArray();
    QTest::newRow("maker word, nothing after the blank")
        << QByteArray("BRAND ") << false << QByteArray() << QByteArray();
    QTest::newRow("no address marker")
        << QByteArray("PUMP-0001-AB12CD3 10.0.0.7") << false << QByteArray() << QByteArray();
    QTest::newRow("marker with nothing behind")
        << QByteArray("PUMP-0001-AB12CD3 @ ") << false << QByteArray() << QByteArray();
    QTest::newRow("a host name is not an address")
        << QByteArray("PUMP-0001-AB12CD3 @ EVIL.EXAMPLE/PATH") << false << QByteArray()
        << QByteArray();
    QTest::newRow("a URL trick is not an address")
        << QByteArray("PUMP-0001-AB12CD3 @ 10.0.0.7@EVIL.EXAMPLE") << false << QByteArray()
        << QByteArray();
    QTest::newRow("a scoped address that hides a host")
        << QByteArray("PUMP-0001-AB12CD3 @ ::1%@EVIL.EXAMPLE/X") << false << QByteArray()
        << QByteArray();
    QTest::newRow("a tab before the address")
        << QByteArray("PUMP-0001-AB12CD3 @ \t10.0.0.7 X") << false << QByteArray() << QByteArray();
    QTest::newRow("a line feed after the address")
        << QByteArray("PUMP-0001-AB12CD3 @ 10.0.0.7\n") << false << QByteArray() << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray() << QByteArray();
}

void TestIdentityAddress::identities()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, usable);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, address);

    PumpIdentity identity;
    identity.name = "untouched";
    QCOMPARE(cutIdentity(text, &identity), usable);
    if (usable) {
        QCOMPARE(QByteArray::fromStdString(identity.name), name);
        QCOMPARE(QByteArray::fromStdString(identity.address), address);
    } else {
        QCOMPARE(identity.name, std::string("untouched"));
    }
}

void TestIdentityAddress::addresses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");

    QTest::newRow("plain") << "192.168.1.20"
                           << "192.168.1.20";
    QTest::newRow("zeros") << "0.0.0.0"
                           << "0.0.0.0";
    QTest::newRow("limits") << "255.255.255.255"
                            << "255.255.255.255";
    QTest::newRow("leading zeros are decimal padding") << "192.168.001.020"
                                                       << "192.168.1.20";
    QTest::newRow("010 is ten, not eight") << "010.000.000.010"
                                           << "10.0.0.10";
    QTest::newRow("group above 255") << "192.168.1.256" << QString();
    QTest::newRow("mask dots only") << "..." << QString();
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("three groups") << "10.0.7" << QString();
    QTest::newRow("empty group") << "10..0.7" << QString();
    QTest::newRow("five groups") << "1.2.3.4.5" << QString();
    QTest::newRow("four digits") << "1000.2.3.4" << QString();
    QTest::newRow("sign") << "+1.2.3.4" << QString();
    QTest::newRow("blank") << "1.2.3. 4" << QString();
}

void TestIdentityAddress::addresses()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    const QString canonical = canonicalIPv4(typed);
    QCOMPARE(canonical.isNull(), sent.isNull());
    QCOMPARE(canonical, sent);
}

// A reply is matched to its pump by the plain address of its sender, however the
// system reports an IPv4 sender.
void TestIdentityAddress::senderAddresses_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("plain");
    QTest::newRow("IPv4") << "127.0.0.2" << "127.0.0.2";
    QTest::newRow("IPv4-mapped IPv6, as Windows sockets report it")
        << "::ffff:127.0.0.2" << "127.0.0.2";
    QTest::newRow("IPv4-mapped IPv6 in hexadecimal groups") << "::ffff:7f00:3" << "127.0.0.3";
    QTest::newRow("mapped broadcast") << "::ffff:255.255.255.255" << "255.255.255.255";
    QTest::newRow("IPv6 loopback stays IPv6") << "::1" << "::1";
    QTest::newRow("IPv6 pump") << "fe80::1" << "fe80::1";
    // Only the mapped form names an IPv4 pump: the old compatible form is an IPv6
    // address, written as the toolkit writes it.
    QTest::newRow("IPv4-compatible IPv6 is not mapped") << "::7f00:2" << "::127.0.0.2";
}

void TestIdentityAddress::senderAddresses()
{
    QFETCH(QString, sender);
    QFETCH(QString, plain);
    const QHostAddress address(sender);
    QVERIFY(!address.isNull());
    QCOMPARE(plainAddress(address), plain);
    // The plain text names the same host, and is itself plain.
    QVERIFY(QHostAddress(plain).isEqual(address, QHostAddress::ConvertV4MappedToIPv4));
    QCOMPARE(plainAddress(QHostAddress(plain)), plain);
}

QTEST_APPLESS_MAIN(TestIdentityAddress)
#include "tst_identityaddress.moc"
