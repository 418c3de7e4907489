#include "adapterbinding.h"
#include "pumpadapter.h"

#include <QtTest>

// The adapter a pump answered on: how results show it, which pumps lie in its
// network, and what is said when a pump stays silent behind it.
class TestPumpAdapter : public QObject
{
    Q_OBJECT

private slots:
    void networkOfAnAdapter_data();
    void networkOfAnAdapter();
    void silenceExplained();
};

namespace {

PumpAdapter adapter(const QString &name, const QString &address, int prefixLength)
{
    PumpAdapter result;
    result.name = name;
    result.displayName
        = name == QLatin1String("ethernet_32769") ? QStringLiteral("Ethernet 2") : name;
    result.address = QHostAddress(address);
    result.prefixLength = prefixLength;
    return result;
}

} // namespace

void TestPumpAdapter::networkOfAnAdapter_data()
{
    QTest::addColumn<PumpAdapter>("adapter");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("network");
    QTest::addColumn<QString>("pump");
    QTest::addColumn<bool>("reaches");
    QTest::newRow("cable, pump outside")
        << adapter("cable0", "198.18.2.1", 24) << "cable0 198.18.2.1/24"
        << "198.18.2.0/24"
        << "198.19.7.7" << false;
    QTest::newRow("cable, pump inside")
        << adapter("cable0", "198.18.2.1", 24) << "cable0 198.18.2.1/24"
        << "198.18.2.0/24"
        << "198.18.2.20" << true;
    QTest::newRow("Windows name, /15")
        << adapter("ethernet_32769", "198.19.7.250", 15) << "Ethernet 2 198.19.7.250/15"
        << "198.18.0.0/15"
        << "198.18.200.1" << true;
    QTest::newRow("/32 holds itself only")
        << adapter("tun0", "198.18.9.9", 32) << "tun0 198.18.9.9/32"
        << "198.18.9.9/32"
        << "198.18.9.10" << false;
    QTest::newRow("not IPv4") << adapter("lab0", "198.18.3.1", 24) << "lab0 198.18.3.1/24"
                              << "198.18.3.0/24"
                              << "fe80::1" << false;
    QTest::newRow("null") << PumpAdapter() << QString() << "0.0.0.0/-1"
                          << "198.18.3.1" << false;
}

void TestPumpAdapter::networkOfAnAdapter()
{
    QFETCH(PumpAdapter, adapter);
    QFETCH(QString, label);
    QFETCH(QString, network);
    QFETCH(QString, pump);
    QFETCH(bool, reaches);
    QCOMPARE(adapter.label(), label);
    if (!adapter.isNull())
        QCOMPARE(adapter.network(), network);
    QCOMPARE(adapter.reaches(QHostAddress(pump)), reaches);
}

void TestPumpAdapter::silenceExplained()
{
    // Through the routing table nothing is known against the pump.
    QCOMPARE(PumpAdapters::whySilent(QStringLiteral("127.0.0.2")), QString());
    QCOMPARE(PumpAdapters::whySilent(QStringLiteral("198.19.7.7%nosuch9")),
             QStringLiteral("adapter nosuch9 is gone"));
    // An adapter the system does not have is refused, in plain words.
    const QString refused = AdapterBinding::refusal(adapter("nosuch9", "198.18.2.1", 24));
#ifdef Q_OS_LINUX
    QVERIFY2(
        refused.startsWith(QLatin1String("the system refuses to send through nosuch9 alone (")),
        qPrintable(refused));
    QVERIFY2(refused.endsWith(QLatin1String("; Linux 5.7 or later allows it to any user)")),
             qPrintable(refused));
#endif
    const QVector<PumpAdapter> none;
    QVERIFY(AdapterBinding::limitedBroadcastAdapter(none).isNull());
}

QTEST_GUILESS_MAIN(TestPumpAdapter)
#include "tst_pumpadapter.moc"
