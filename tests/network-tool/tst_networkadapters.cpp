#include "laptopnetwork.h"
#include "mainwindow.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The network tool's window on a laptop with three network adapters
// (tests/common/laptop-network): its search lists the pump behind every adapter, each
// with the adapter as its tool tip, and the pump alone on the cable, at an address
// outside every network of the laptop, is read and written through its adapter.
class TestNetworkAdapters : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void searchListsThePumpBehindEveryAdapter();
    void cablePumpIsReadAndMovedThroughItsAdapter();

private:
    void search();

    std::unique_ptr<LaptopNetwork> laptop;
};

void TestNetworkAdapters::initTestCase() { capture = std::make_unique<LogCapture>(); }

void TestNetworkAdapters::init()
{
    SKIP_UNLESS_LAPTOP_CAN_BE_BUILT();
    laptop = std::make_unique<LaptopNetwork>();
    QString error;
    QVERIFY2(laptop->up({ QStringLiteral("198.18.2.20/24") }, &error), qPrintable(error));
    QVERIFY(showWindow());
    capture->clear();
}

void TestNetworkAdapters::cleanup()
{
    window.reset();
    laptop.reset();
}

void TestNetworkAdapters::cleanupTestCase() { capture.reset(); }

// Searches as the technician does; the three-second timer is cut short once all
// three pumps are listed, and nothing is selected among several.
void TestNetworkAdapters::search()
{
    QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
    auto *pumps = widget<QComboBox>("dropDownPumps");
    QVERIFY(runUntil([&] { return pumps->count() == 3; }, 2500));
    runFor(100);
    widget<QTimer>("searchTimer")->stop();
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
}

void TestNetworkAdapters::searchListsThePumpBehindEveryAdapter()
{
    search();
    auto *pumps = widget<QComboBox>("dropDownPumps");
    QCOMPARE(pumps->count(), 3);
    QStringList listed;
    QStringList tips;
    for (int i = 0; i < pumps->count(); ++i) {
        listed.append(pumps->itemText(i));
        tips.append(pumps->itemData(i, Qt::ToolTipRole).toString());
    }
    // Listed as they answer: the pumps run in processes of their own, so the order of
    // their answers is the system's to choose.
    QCOMPARE(QSet<QString>(listed.cbegin(), listed.cend()),
             QSet<QString>({ "SIMPUMP 0001 LOOPBACK @ 198.18.1.10 FW 2.4",
                             "SIMPUMP 0003 LOOPBACK @ 198.18.3.10 FW 2.4",
                             "SIMPUMP 0007 LOOPBACK @ 198.19.7.7 FW 2.4" }));
    const int cable = listed.indexOf(QStringLiteral("SIMPUMP 0007 LOOPBACK @ 198.19.7.7 FW 2.4"));
    const int lab = listed.indexOf(QStringLiteral("SIMPUMP 0003 LOOPBACK @ 198.18.3.10 FW 2.4"));
    const int office = listed.indexOf(QStringLiteral("SIMPUMP 0001 LOOPBACK @ 198.18.1.10 FW 2.4"));
    QCOMPARE(tips.value(office), QStringLiteral("office0 198.18.1.1/24"));
    QCOMPARE(tips.value(cable), QStringLiteral("cable0 198.18.2.1/24"));
    QCOMPARE(tips.value(lab), QStringLiteral("lab0 198.18.3.1/24"));

    const QString answered = QStringLiteral("[PumpManager] readSocketDatagrams ()");
    QStringList adapterLines = capture->linesStartingWith(answered);
    adapterLines.sort();
    QCOMPARE(adapterLines,
             QStringList({ answered
                               + " \"198.18.1.10\" answered on adapter \"office0\" "
                                 "\"198.18.1.1/24\"",
                           answered
                               + " \"198.18.3.10\" answered on adapter \"lab0\" "
                                 "\"198.18.3.1/24\"",
                           answered
                               + " \"198.19.7.7\" answered on adapter \"cable0\" "
                                 "\"198.18.2.1/24\"" }));
    // One answer each: no pump is listed from two queries.
    QCOMPARE(capture->linesStartingWith(QStringLiteral("[MAIN_WINDOW] on_IDAvailable ()")).size(),
             3);
}

void TestNetworkAdapters::cablePumpIsReadAndMovedThroughItsAdapter()
{
    search();
    auto *pumps = widget<QComboBox>("dropDownPumps");
    const int cable = pumps->findText(QStringLiteral("SIMPUMP 0007 LOOPBACK @ 198.19.7.7 FW 2.4"));
    QVERIFY(cable >= 0);
    const int before = parsedReplies();
    chooseItem(pumps, cable);
    QVERIFY(runUntil([&] { return parsedReplies() >= before + 13; }, 3000));
    QCOMPARE(widget<QLineEdit>("lineEdit_NIP")->text(), QStringLiteral("198.19.7.7"));
    QCOMPARE(widget<QLineEdit>("lineEdit_NPA")->text(), QStringLiteral("126"));
    QVERIFY(capture->lines().contains(
        QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"198.19.7.7\")")));

    // Into the cable's network: after the restart the pump is read at its new address,
    // through the same adapter.
    auto *assignment = widget<QComboBox>("dropDownNAM");
    assignment->setCurrentIndex(assignment->findText(QStringLiteral("Static")));
    typeInto(widget<QLineEdit>("lineEdit_NIP"), QStringLiteral("198.18.2.20"));
    typeInto(widget<QLineEdit>("lineEdit_NSM"), QStringLiteral("255.255.255.0"));
    typeInto(widget<QLineEdit>("lineEdit_NDG"), QStringLiteral("198.18.2.1"));
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(widget<QTimer>("restartTimer")->isActive());
    // The pump is back after a second; the window's 15 seconds are cut short.
    runFor(2000);
    widget<QTimer>("restartTimer")->stop();
    const int beforeReread = parsedReplies();
    QMetaObject::invokeMethod(window.get(), "on_submit_timeout");
    QVERIFY(runUntil([&] { return parsedReplies() >= beforeReread + 13; }, 3000));
    QVERIFY(capture->lines().contains(
        QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"198.18.2.20\")")));
    QCOMPARE(widget<QLineEdit>("lineEdit_NIP")->text(), QStringLiteral("198.18.2.20"));
    QCOMPARE(assignment->currentText(), QStringLiteral("Static"));
    QVERIFY(laptop->pumpLog("cable0").contains(QLatin1String("02 4e 53 56 0d")));
}

QTEST_MAIN(TestNetworkAdapters)
#include "tst_networkadapters.moc"
