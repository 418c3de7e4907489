#include "mainwindow.h"
#include "pumpfixtures.h"
#include "pumpmanager.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSlider>
#include <QtTest>
#include <memory>

namespace {

const QStringList addressFields
    = { "lineEdit_NIP", "lineEdit_NSM", "lineEdit_NDG", "lineEdit_ND1", "lineEdit_ND2" };
const QStringList settingWidgets = QStringList { "dropDownNAM" } + addressFields
    + QStringList { "lineEdit_NTT", "lineEdit_NUH", "lineEdit_NUM", "cmSlider",
                    "btSlider",     "tnSlider",     "lineEdit_NPA" };
const QStringList formButtons = { "btnBrowser", "btnSubmit", "btnReset" };
// What a submission locks besides the form: nothing can be used during the restart.
const QStringList pumpControls = { "btnSearch", "dropDownPumps", "dropDownConnection" };

// An empty form: "DHCP", the address fields holding only their mask's dots, switches off.
const QStringList emptyForm = {
    "dropDownNAM=DHCP", "lineEdit_NIP=...", "lineEdit_NSM=...", "lineEdit_NDG=...",
    "lineEdit_ND1=...", "lineEdit_ND2=...", "lineEdit_NTT=",    "lineEdit_NUH=",
    "lineEdit_NUM=",    "cmSlider=0",       "btSlider=0",       "tnSlider=0",
    "lineEdit_NPA=",
};

const QString unmarked = QStringLiteral("QLineEdit {}");
const QString marked = QStringLiteral("QLineEdit {color: red;}");
const QString correctEntry = QStringLiteral("Please correct the highlighted entry.");
const QString notSent = QStringLiteral("The settings were not saved: the serial port is not open "
                                       "or was lost while writing.\n"
                                       "Select the pump again and submit once more.");

QByteArray settingQueries()
{
    QByteArray all;
    for (const char *mnemonic : { "NAM", "NIP", "NSM", "NDG", "ND1", "ND2", "NTT", "NUH", "NUM",
                                  "NCM", "NBT", "NTN", "NPA" })
        all += '\x02' + QByteArray(mnemonic) + '\r';
    return all;
}

const QByteArray identityQuery = QByteArray::fromHex("024e49440d");

// The form as it shows loopbackPump(0).
QStringList loopbackForm()
{
    return { "dropDownNAM=Static",
             "lineEdit_NIP=127.0.0.2",
             "lineEdit_NSM=255.255.0.0",
             "lineEdit_NDG=10.1.0.1",
             "lineEdit_ND1=10.1.0.53",
             "lineEdit_ND2=10.1.0.54",
             "lineEdit_NTT=30",
             "lineEdit_NUH=-03",
             "lineEdit_NUM=30",
             "cmSlider=1",
             "btSlider=0",
             "tnSlider=1",
             "lineEdit_NPA=126" };
}

// The lines a submission of loopbackPump(0)'s settings writes before it hands them on.
QStringList loopbackSubmissionLines()
{
    QStringList lines;
    for (const char *value : { "\"Static\"", "\"127.0.0.2\"", "\"255.255.0.0\"", "\"10.1.0.1\"",
                               "\"10.1.0.53\"", "\"10.1.0.54\"", "\"30\"", "\"-03\"", "\"30\"",
                               "\"On\\r\"", "\"Off\\r\"", "\"On\\r\"", "\"126\"" })
        lines.append(QStringLiteral("[MAIN_WINDOW] on_btnSubmit_clicked () ")
                     + QLatin1String(value));
    return lines;
}

// The frames that write loopbackPump(0)'s settings back: the switches in the form's
// texts with their own CR, then the save frame.
QList<QByteArray> loopbackWriteFrames()
{
    return { QByteArray("\x02NAM,Static\r"),
             QByteArray("\x02NIP,127.0.0.2\r"),
             QByteArray("\x02NSM,255.255.0.0\r"),
             QByteArray("\x02NDG,10.1.0.1\r"),
             QByteArray("\x02ND1,10.1.0.53\r"),
             QByteArray("\x02ND2,10.1.0.54\r"),
             QByteArray("\x02NTT,30\r"),
             QByteArray("\x02NUH,-03\r"),
             QByteArray("\x02NUM,30\r"),
             QByteArray::fromHex("024e434d2c4f6e0d0d"),
             QByteArray::fromHex("024e42542c4f66660d0d"),
             QByteArray::fromHex("024e544e2c4f6e0d0d"),
             QByteArray("\x02NPA,126\r"),
             QByteArray::fromHex("024e53560d") };
}

} // namespace

using PumpSettings = QMap<QByteArray, QByteArray>;

class TestNetworkWindow : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void startUpShowsALockedEmptyForm();
    void searchSelectsALonePumpAfterThreeSeconds();
    void searchListsEveryPumpOnceAndSelectsNone();
    void searchFindingNothingLeavesTheFormLocked();
    void formShowsWhatThePumpReports_data();
    void formShowsWhatThePumpReports();
    void unchangedSubmissionWritesBackWhatWasRead();
    void wrongAddressesAreMarkedAndNothingIsSent();
    void restartWaitRereadsThePumpAtItsNewAddress();
    void resetWithAndWithoutAPump();
    void browserOpensThePumpsOwnPage();
    void serialConnectionOnAPseudoTerminal();

private:
    QString selectOverSerialLine();

    std::unique_ptr<UrlCatcher> browser;
};

void TestNetworkWindow::initTestCase()
{
    // After the test framework's own handler, which it installs before this runs.
    capture = std::make_unique<LogCapture>();
}

void TestNetworkWindow::init()
{
    QVERIFY(startPumps({ loopbackPump(0), loopbackPump(1) }));
    capture->clear();
    QVERIFY(showWindow());
    browser = std::make_unique<UrlCatcher>();
    for (const QString &name : settingWidgets + formButtons + pumpControls)
        QVERIFY2(window->findChild<QWidget *>(name), qPrintable(name));
    QVERIFY(timer("searchTimer"));
    QVERIFY(timer("restartTimer"));
}

void TestNetworkWindow::cleanup()
{
    browser.reset();
    closeWindowAndPumps();
}

void TestNetworkWindow::cleanupTestCase() { capture.reset(); }

// Chooses the first pump's serial line, searches it and lets the search end, which
// selects the lone pump and reads it over the line before returning. Where the
// transport does not matter this is much quicker than the paced Ethernet read.
// Returns the line's path, or "" when the pump was not read; the capture then holds
// the lines from the end of the search on.
QString TestNetworkWindow::selectOverSerialLine()
{
    const QString line = listPumpOverSerialLine();
    if (line.isEmpty())
        return QString();
    capture->clear();
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
    runFor(20);
    return parsedReplies() == 13 ? line : QString();
}

void TestNetworkWindow::startUpShowsALockedEmptyForm()
{
    const QStringList lines = capture->lines();
    QVERIFY(lines.size() >= 5);
    QCOMPARE(lines.mid(0, 4), bannerHead(QStringLiteral("tst_networkwindow")));
    QVERIFY2(bannerDateLine().match(lines.at(4)).hasMatch(), qPrintable(lines.at(4)));

    // After the banner only the port scan speaks; every port it reports is listed.
    QStringList scanned;
    QStringList offered = { "Ethernet" };
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        scanned.append(QStringLiteral("[PumpManager] scanSerialPorts () %1 detected.")
                           .arg(quoted(port.portName())));
        if (PumpManager::offersSerialPort(port.portName()))
            offered.append(port.portName());
    }
    QCOMPARE(lines.mid(5), scanned);
    auto *connection = widget<QComboBox>("dropDownConnection");
    QStringList items;
    for (int i = 0; i < connection->count(); ++i)
        items.append(connection->itemText(i));
    QCOMPARE(items, offered);
    QCOMPARE(connection->currentIndex(), 0);

    QCOMPARE(window->windowTitle(), QStringLiteral("Corvane Network Tool v1.0.6"));
    QCOMPARE(window->size(), QSize(658, 485));
    QCOMPARE(window->minimumSize(), QSize(658, 485));
    QCOMPARE(window->maximumSize(), QSize(658, 485));
    QVERIFY(window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));

    // Every widget after start-up: whether it can be used, and what it shows.
    struct StartState
    {
        const char *name;
        bool enabled;
        const char *shows;
    };
    const StartState startState[] = {
        { "dropDownConnection", true, "Ethernet" },
        { "btnSearch", true, "Search Pumps" },
        { "dropDownPumps", true, "" },
        { "btnBrowser", false, "Set Up From Browser" },
        { "dropDownNAM", false, "DHCP" },
        { "lineEdit_NIP", false, "..." },
        { "lineEdit_NSM", false, "..." },
        { "lineEdit_NDG", false, "..." },
        { "lineEdit_ND1", false, "..." },
        { "lineEdit_ND2", false, "..." },
        { "lineEdit_NTT", false, "" },
        { "lineEdit_NUH", false, "" },
        { "lineEdit_NUM", false, "" },
        { "cmSlider", false, "0" },
        { "btSlider", false, "0" },
        { "tnSlider", false, "0" },
        { "lineEdit_NPA", false, "" },
        { "btnSubmit", false, "Submit" },
        { "btnReset", false, "Reset" },
    };
    QStringList names;
    QStringList expectedStates;
    QStringList expectedValues;
    for (const StartState &state : startState) {
        names.append(QLatin1String(state.name));
        expectedStates.append(QLatin1String(state.name)
                              + QLatin1String(state.enabled ? "=enabled" : "=disabled"));
        expectedValues.append(QLatin1String(state.name) + QLatin1Char('=')
                              + QLatin1String(state.shows));
    }
    QCOMPARE(enabledStates(window.get(), names), expectedStates);
    QCOMPARE(shownValues(window.get(), names), expectedValues);
    QCOMPARE(widget<QComboBox>("dropDownPumps")->count(), 0);
    QCOMPARE(widget<QComboBox>("dropDownNAM")->count(), 2);
    QCOMPARE(widget<QComboBox>("dropDownNAM")->itemText(1), QStringLiteral("Static"));
    QCOMPARE(styleSheets(window.get(), addressFields), allWith(addressFields, unmarked));

    // The overlay is hidden, its spinner already turning.
    auto *spinner = widget<QLabel>("labelSpinner");
    auto *message = widget<QLabel>("labelSpinner_text");
    QVERIFY(spinner && message);
    QVERIFY(!spinner->isVisible());
    QVERIFY(!message->isVisible());
    QCOMPARE(message->text(),
             QStringLiteral("Settings saved. Please wait. \nPump restarting in 15 seconds..."));
    QVERIFY(spinner->movie());
    QVERIFY(spinner->movie()->isValid());
    QCOMPARE(spinner->movie()->state(), QMovie::Running);
}

void TestNetworkWindow::searchSelectsALonePumpAfterThreeSeconds()
{
    SKIP_UNLESS_ISOLATED();
    const SimulatedPumpConfig pump = loopbackPump(0);
    QVERIFY(startPumps({ pump }));
    QVERIFY(sim->listenForBroadcasts());
    capture->clear();

    auto *search = widget<QPushButton>("btnSearch");
    auto *pumps = widget<QComboBox>("dropDownPumps");
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(search, Qt::LeftButton);

    QCOMPARE(search->text(), QStringLiteral("Searching..."));
    QVERIFY(!search->isEnabled());
    QVERIFY(timer("searchTimer")->isActive());
    QVERIFY(timer("searchTimer")->isSingleShot());
    QCOMPARE(timer("searchTimer")->interval(), 3000);
    QCOMPARE(enabledStates(window.get(), { "dropDownPumps", "dropDownConnection" }),
             allWith({ "dropDownPumps", "dropDownConnection" }, "enabled"));

    // The pump answers long before the search ends; it is listed, not yet selected.
    QVERIFY(runUntil([&] { return pumps->count() == 1; }, 1000));
    QCOMPARE(pumps->itemText(0), identityText(pump));
    QCOMPARE(pumps->currentIndex(), 0);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));

    const QString selected = QStringLiteral("[MAIN_WINDOW] on_pump_selected () 0 selected.");
    QVERIFY(runUntil([&] { return capture->lines().contains(selected); }, 4000));
    // Coarse timers may fire up to 5 % early.
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited >= 2850 && waited < 3600, qPrintable(QString::number(waited)));
    QCOMPARE(search->text(), QStringLiteral("Search Pumps"));
    QVERIFY(search->isEnabled());
    QCOMPARE(capture->lines().mid(0, 5),
             QStringList({ "[MAIN_WINDOW] on_btnSearch_clicked ()",
                           "[PumpManager] parsePumpResponse () Command: \"NID\" Value:  "
                               + quoted(identityText(pump)),
                           "[MAIN_WINDOW] on_IDAvailable () Found pump \"PUMP-0001-AB12CD3\" at "
                           "\"127.0.0.2\"",
                           "[MAIN_WINDOW] on_search_timeout ()", selected }));

    // The lone pump's settings fill the form without a click.
    QVERIFY(runUntil([&] { return parsedReplies() == 14; }, 3000));
    QVERIFY(capture->lines().contains(
        QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"127.0.0.2\")")));
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "enabled"));
}

void TestNetworkWindow::searchListsEveryPumpOnceAndSelectsNone()
{
    SKIP_UNLESS_ISOLATED();
    SimulatedPumpConfig first = loopbackPump(0);
    SimulatedPumpConfig second = loopbackPump(1);
    second.identityForm = IdentityForm::BrandWordAndAt;
    second.settings.insert("NTT", "45");
    // Same 17-byte name as the first pump, at another address.
    SimulatedPumpConfig sameName = loopbackPump(2);
    sameName.name = first.name;
    SimulatedPumpConfig tooShort = loopbackPump(3);
    // 16 bytes in all: one short of a name.
    tooShort.identityOverride = "tiny @ 127.0.0.5";
    SimulatedPumpConfig hostName = loopbackPump(4);
    hostName.identityOverride = "PUMP-0005-AB12CD3 @ service-desk FW 2.4";
    QVERIFY(startPumps({ first, second, sameName, tooShort, hostName }));
    QVERIFY(sim->listenForBroadcasts());
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
    timer("searchTimer")->stop();
    const QString identityPrefix = QStringLiteral("[MAIN_WINDOW] on_IDAvailable ()");
    QVERIFY(runUntil([&] { return capture->linesStartingWith(identityPrefix).size() == 5; }, 2000));
    runFor(50);
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");

    // The first answer for a name counts; the unusable ones are only logged.
    QCOMPARE(capture->linesStartingWith(identityPrefix),
             QStringList({ identityPrefix + " Found pump \"PUMP-0001-AB12CD3\" at \"127.0.0.2\"",
                           identityPrefix + " Found pump \"PUMP-0002-AB12CD3\" at \"127.0.0.3\"",
                           identityPrefix + " Found pump \"PUMP-0001-AB12CD3\" at \"127.0.0.4\"",
                           identityPrefix + " Unusable pump identity \"TINY @ 127.0.0.5\"",
                           identityPrefix
                               + " Unusable pump identity \"PUMP-0005-AB12CD3 @ SERVICE-DESK "
                                 "FW 2.4\"" }));
    auto *pumps = widget<QComboBox>("dropDownPumps");
    QStringList listed;
    for (int i = 0; i < pumps->count(); ++i)
        listed.append(pumps->itemText(i));
    QCOMPARE(listed,
             QStringList({ identityText(first), "BRAND PUMP-0002-AB12CD3 AT 127.0.0.3 FW 2.4" }));

    // With two pumps the technician chooses: nothing is selected, nothing read.
    QVERIFY(!capture->lines().join('\n').contains("on_pump_selected"));
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));
    QCOMPARE(widget<QPushButton>("btnSearch")->text(), QStringLiteral("Search Pumps"));
    QVERIFY(widget<QPushButton>("btnSearch")->isEnabled());
    runFor(200);
    for (const ReceivedFrame &frame : sim->frames()) {
        QCOMPARE(frame.pump, -1);
        QCOMPARE(frame.bytes, identityQuery);
    }

    chooseItem(pumps, 1);
    QVERIFY(runUntil([&] { return parsedReplies() == 5 + 13; }, 3000));
    QVERIFY(capture->lines().contains(
        QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"127.0.0.3\")")));
    QCOMPARE(widget<QLineEdit>("lineEdit_NTT")->text(), QStringLiteral("45"));
    QCOMPARE(widget<QLineEdit>("lineEdit_NIP")->text(), QStringLiteral("127.0.0.3"));

    // The pump listed under the shared name is the one that answered first.
    QVERIFY(selectPump(0, 13));
    QVERIFY(capture->lines().contains(
        QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"127.0.0.2\")")));
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm());
    for (const ReceivedFrame &frame : sim->frames())
        QVERIFY2(frame.pump != 2, "the pump behind the duplicate name was contacted");
}

void TestNetworkWindow::searchFindingNothingLeavesTheFormLocked()
{
    SKIP_UNLESS_ISOLATED();
    QVERIFY(startPumps({}));
    QVERIFY(sim->listenForBroadcasts());
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
    timer("searchTimer")->stop();
    QVERIFY(runUntil([&] { return !sim->frames().isEmpty(); }, 1000));
    runFor(100);
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");

    QCOMPARE(frameBytes(sim->frames()), QList<QByteArray>({ identityQuery }));
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_btnSearch_clicked ()",
                           "[MAIN_WINDOW] on_search_timeout ()" }));
    QCOMPARE(widget<QComboBox>("dropDownPumps")->count(), 0);
    QCOMPARE(widget<QPushButton>("btnSearch")->text(), QStringLiteral("Search Pumps"));
    QVERIFY(widget<QPushButton>("btnSearch")->isEnabled());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));
    QCOMPARE(shownValues(window.get(), settingWidgets), emptyForm);
}

void TestNetworkWindow::formShowsWhatThePumpReports_data()
{
    QTest::addColumn<PumpSettings>("reported");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("mixed case as the pump keeps it") << loopbackPump(0).settings << loopbackForm();

    QTest::newRow("dhcp, padded addresses, an empty gateway, switches by exact word")
        << PumpSettings({ { "NAM", "dhcp" },
                          { "NIP", "192.168.001.020" },
                          { "NSM", "255.255.255.000" },
                          { "NDG", "" },
                          { "ND1", "8.8.8.8" },
                          { "ND2", "8.8.4.4" },
                          { "NTT", "5" },
                          { "NUH", "+05" },
                          { "NUM", "0" },
                          { "NCM", "1" },
                          { "NBT", "oN" },
                          { "NTN", "OFF" },
                          { "NPA", "7" } })
        << QStringList({ "dropDownNAM=DHCP", "lineEdit_NIP=192.168.001.020",
                         "lineEdit_NSM=255.255.255.000", "lineEdit_NDG=...", "lineEdit_ND1=8.8.8.8",
                         "lineEdit_ND2=8.8.4.4", "lineEdit_NTT=5", "lineEdit_NUH=+05",
                         "lineEdit_NUM=0", "cmSlider=0", "btSlider=1", "tnSlider=0",
                         "lineEdit_NPA=7" });

    // Any assignment but "DHCP" is static; a switch is on only for exactly "ON"; the
    // masks cut what does not fit them.
    QTest::newRow("other words, values wider than their masks")
        << PumpSettings({ { "NAM", "auto" },
                          { "NIP", "10.1.2.3" },
                          { "NSM", "255.0.0.0" },
                          { "NDG", "10.0.0.1" },
                          { "ND1", "10.0.0.53" },
                          { "ND2", "10.0.0.54" },
                          { "NTT", "1234" },
                          { "NUH", "-3" },
                          { "NUM", "45" },
                          { "NCM", "yes" },
                          { "NBT", "on " },
                          { "NTN", "on" },
                          { "NPA", "12" } })
        << QStringList({ "dropDownNAM=Static", "lineEdit_NIP=10.1.2.3", "lineEdit_NSM=255.0.0.0",
                         "lineEdit_NDG=10.0.0.1", "lineEdit_ND1=10.0.0.53",
                         "lineEdit_ND2=10.0.0.54", "lineEdit_NTT=123", "lineEdit_NUH=-3",
                         "lineEdit_NUM=45", "cmSlider=0", "btSlider=0", "tnSlider=1",
                         "lineEdit_NPA=12" });
}

void TestNetworkWindow::formShowsWhatThePumpReports()
{
    QFETCH(PumpSettings, reported);
    QFETCH(QStringList, shown);
    SimulatedPumpConfig pump = standardPump(0);
    pump.settings = reported;
    QVERIFY(startPumps({ pump }));

    QVERIFY(!selectOverSerialLine().isEmpty());
    QCOMPARE(shownValues(window.get(), settingWidgets), shown);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "enabled"));
    // Showing a setting is silent; only the link logs the replies.
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_search_timeout ()",
                           "[MAIN_WINDOW] on_pump_selected () 0 selected." }));
}

void TestNetworkWindow::unchangedSubmissionWritesBackWhatWasRead()
{
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 13));
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm());
    sim->clearFrames();
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(timer("restartTimer")->isActive());
    // The restart wait has a test of its own.
    timer("restartTimer")->stop();
    const QString closed = QStringLiteral("[PumpManager] socketDisconnected ()");
    QVERIFY(runUntil([&] { return capture->lines().contains(closed); }, 3000));
    // The simulator records the last frame on its own thread, after it has left here.
    QVERIFY(runUntil([&] { return sim->frames().size() >= 14; }, 1000));
    runFor(50);
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frameBytes(frames), loopbackWriteFrames());
    for (const ReceivedFrame &frame : frames)
        QCOMPARE(frame.pump, 0);
    QCOMPARE(capture->lines(),
             loopbackSubmissionLines()
                 + QStringList({ "[PumpManager] setPumpSettings () \"ETHERNET\"",
                                 "[PumpManager] setWorker ()",
                                 "[PumpManager] on_setWorker_finished ()", closed }));
    // The pump took every frame up to its first CR and saved.
    PumpSettings saved = loopbackPump(0).settings;
    saved.insert("NAM", "Static");
    saved.insert("NCM", "On");
    saved.insert("NTN", "On");
    QCOMPARE(sim->settings(0), saved);
}

void TestNetworkWindow::wrongAddressesAreMarkedAndNothingIsSent()
{
    const QString line = selectOverSerialLine();
    QVERIFY(!line.isEmpty());
    auto *ip = widget<QLineEdit>("lineEdit_NIP");
    auto *mask = widget<QLineEdit>("lineEdit_NSM");
    auto *dns1 = widget<QLineEdit>("lineEdit_ND1");
    typeInto(ip, QStringLiteral("300.1.1.1"));
    typeInto(mask, QString());
    typeInto(dns1, QStringLiteral("1.2.3"));
    QCOMPARE(dns1->text(), QStringLiteral("1.2.3."));
    sim->clearFrames();
    capture->clear();

    MessageBoxCloser boxes;
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList({ correctEntry }));
    QVERIFY(!boxes.shown().first().hasParent);
    QCOMPARE(boxes.shown().first().buttons.size(), 1);
    // Every wrong field at once; the right ones stay as they were.
    QCOMPARE(styleSheets(window.get(), addressFields),
             QStringList({ "lineEdit_NIP=" + marked, "lineEdit_NSM=" + marked,
                           "lineEdit_NDG=" + unmarked, "lineEdit_ND1=" + marked,
                           "lineEdit_ND2=" + unmarked }));
    // Each field is logged as it stands, wrong or right.
    QCOMPARE(capture->lines().mid(0, 6),
             QStringList({ "[MAIN_WINDOW] on_btnSubmit_clicked () \"Static\"",
                           "[MAIN_WINDOW] on_btnSubmit_clicked () \"300.1.1.1\"",
                           "[MAIN_WINDOW] on_btnSubmit_clicked () \"...\"",
                           "[MAIN_WINDOW] on_btnSubmit_clicked () \"10.1.0.1\"",
                           "[MAIN_WINDOW] on_btnSubmit_clicked () \"1.2.3.\"",
                           "[MAIN_WINDOW] on_btnSubmit_clicked () \"10.1.0.54\"" }));
    QCOMPARE(capture->lines().size(), 13);
    QCOMPARE(ip->text(), QStringLiteral("300.1.1.1"));
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "enabled"));
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(!timer("restartTimer")->isActive());

    // A corrected field keeps its mark until a submission goes through.
    typeInto(ip, QStringLiteral("127.000.000.002"));
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList({ correctEntry, correctEntry }));
    QCOMPARE(styleSheets(window.get(), addressFields),
             QStringList({ "lineEdit_NIP=" + marked, "lineEdit_NSM=" + marked,
                           "lineEdit_NDG=" + unmarked, "lineEdit_ND1=" + marked,
                           "lineEdit_ND2=" + unmarked }));
    runFor(300);
    QVERIFY(sim->frames().isEmpty());
    QVERIFY(capture->linesStartingWith("[PumpManager]").isEmpty());

    typeInto(mask, QStringLiteral("255.255.255.0"));
    typeInto(dns1, QStringLiteral("8.8.8.8"));
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QCOMPARE(boxes.texts().size(), 2);
    QVERIFY(timer("restartTimer")->isActive());
    timer("restartTimer")->stop();
    QCOMPARE(styleSheets(window.get(), addressFields), allWith(addressFields, unmarked));
    QVERIFY(runUntil([&] { return sim->frames().size() == 14; }, 1000));
    // Padding zeros are dropped; an address typed without them goes as typed.
    const QList<QByteArray> sent = frameBytes(sim->frames());
    QCOMPARE(sent.at(1), QByteArray("\x02NIP,127.0.0.2\r"));
    QCOMPARE(sent.at(2), QByteArray("\x02NSM,255.255.255.0\r"));
    QCOMPARE(sent.at(4), QByteArray("\x02ND1,8.8.8.8\r"));
}

void TestNetworkWindow::restartWaitRereadsThePumpAtItsNewAddress()
{
    sim->setRestartMs(1000);
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 13));
    typeInto(widget<QLineEdit>("lineEdit_NIP"), QStringLiteral("127.0.0.9"));
    typeInto(widget<QLineEdit>("lineEdit_NTT"), QStringLiteral("45"));
    auto *cloud = widget<QSlider>("cmSlider");
    QTest::keyClick(cloud, Qt::Key_Left);
    QCOMPARE(cloud->value(), 0);
    sim->clearFrames();
    capture->clear();

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);

    // Covered by the overlay, nothing usable, the form emptied.
    QVERIFY(widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(widget<QLabel>("labelSpinner_text")->isVisible());
    QCOMPARE(widget<QLabel>("labelSpinner")->movie()->state(), QMovie::Running);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "disabled"));
    QCOMPARE(shownValues(window.get(), settingWidgets), emptyForm);
    QTimer *restart = timer("restartTimer");
    QVERIFY(restart->isActive());
    QVERIFY(restart->isSingleShot());
    QCOMPARE(restart->interval(), 15000);

    const QString waitEnded = QStringLiteral("[MAIN_WINDOW] on_submit_timeout ()");
    QVERIFY(runUntil([&] { return capture->lines().contains(waitEnded); }, 16500));
    // Coarse timers may fire up to 5 % early.
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited >= 14250 && waited < 16500, qPrintable(QString::number(waited)));
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(!widget<QLabel>("labelSpinner_text")->isVisible());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "enabled"));
    QCOMPARE(sim->address(0), QHostAddress(QStringLiteral("127.0.0.9")));

    // The same pump is read again, where it now lives, and shows what it was given.
    QVERIFY(runUntil([&] { return parsedReplies() == 13; }, 3000));
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]").mid(13),
             QStringList({ waitEnded, "[MAIN_WINDOW] on_pump_selected () 0 selected.",
                           "[MAIN_WINDOW] compareWithWritten () Every setting as written." }));
    QVERIFY(capture->lines().contains(
        QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"127.0.0.9\")")));
    QStringList shown = loopbackForm();
    shown.replace(1, "lineEdit_NIP=127.0.0.9");
    shown.replace(6, "lineEdit_NTT=45");
    shown.replace(9, "cmSlider=0");
    QCOMPARE(shownValues(window.get(), settingWidgets), shown);
    const QVector<ReceivedFrame> frames = sim->frames();
    QCOMPARE(frames.size(), 14 + 13);
    for (const ReceivedFrame &frame : frames)
        QCOMPARE(frame.pump, 0);

    // The browser follows the pump too.
    QTest::mouseClick(widget<QPushButton>("btnBrowser"), Qt::LeftButton);
    QCOMPARE(browser->opened, QList<QUrl>({ QUrl(QStringLiteral("http://127.0.0.9")) }));
}

void TestNetworkWindow::resetWithAndWithoutAPump()
{
    // No pump: the button is locked, and its slot keeps the form empty and locked.
    QTest::mouseClick(widget<QPushButton>("btnReset"), Qt::LeftButton);
    QVERIFY(capture->linesStartingWith("[MAIN_WINDOW]").isEmpty());
    QMetaObject::invokeMethod(window.get(), "on_btnReset_clicked");
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_btnReset_clicked ()" }));
    QCOMPARE(shownValues(window.get(), settingWidgets), emptyForm);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));

    // A pump selected: the edits go, the pump's settings come back.
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 13));
    typeInto(widget<QLineEdit>("lineEdit_NIP"), QStringLiteral("127.0.0.77"));
    typeInto(widget<QLineEdit>("lineEdit_NPA"), QStringLiteral("3"));
    chooseItem(widget<QComboBox>("dropDownNAM"), 0);
    QTest::keyClick(widget<QSlider>("btSlider"), Qt::Key_Right);
    QCOMPARE(widget<QSlider>("btSlider")->value(), 1);
    sim->clearFrames();
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnReset"), Qt::LeftButton);
    QCOMPARE(shownValues(window.get(), settingWidgets), emptyForm);
    QVERIFY(runUntil([&] { return parsedReplies() == 13; }, 3000));
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm());
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_btnReset_clicked ()",
                           "[MAIN_WINDOW] on_pump_selected () 0 selected." }));
    QCOMPARE(sim->frames().size(), 13);
    QCOMPARE(sim->frames().first().bytes, settingQueries().left(5));
}

void TestNetworkWindow::browserOpensThePumpsOwnPage()
{
    QVERIFY(!widget<QPushButton>("btnBrowser")->isEnabled());
    QMetaObject::invokeMethod(window.get(), "on_btnBrowser_clicked");
    QMetaObject::invokeMethod(window.get(), "on_pump_selected", Q_ARG(int, -1));
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_btnBrowser_clicked () -1 selected.",
                           "[MAIN_WINDOW] on_btnBrowser_clicked () \"\" not found.",
                           "[MAIN_WINDOW] on_pump_selected () -1 selected.",
                           "[MAIN_WINDOW] on_pump_selected () \"\" not found." }));
    QVERIFY(browser->opened.isEmpty());

    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 13));
    capture->clear();
    QTest::mouseClick(widget<QPushButton>("btnBrowser"), Qt::LeftButton);
    QCOMPARE(browser->opened, QList<QUrl>({ QUrl(QStringLiteral("http://127.0.0.2")) }));
    QCOMPARE(browser->opened.first().toString(), QStringLiteral("http://127.0.0.2"));
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_btnBrowser_clicked () 0 selected." }));

    // A pump known by an IPv6 address gets its page at the bracketed address.
    offerIdentity(window.get(), QStringLiteral("PUMP-0009-AB12CD3 @ ::1 FW 2.4"));
    widget<QComboBox>("dropDownPumps")->setCurrentIndex(1);
    browser->opened.clear();
    QTest::mouseClick(widget<QPushButton>("btnBrowser"), Qt::LeftButton);
    QCOMPARE(browser->opened.size(), 1);
    QCOMPARE(browser->opened.first().toString(), QStringLiteral("http://[::1]"));
    QCOMPARE(browser->opened.first().host(), QStringLiteral("::1"));
}

void TestNetworkWindow::serialConnectionOnAPseudoTerminal()
{
    const QString line = sim->openSerialLine(0);
    QVERIFY(!line.isEmpty());
    capture->clear();
    QVERIFY(chooseSerialLine(window.get(), line) > 0);
    QCOMPARE(capture->lines(),
             QStringList(
                 { "[MAIN_WINDOW] on_pump_connection_changed ()", "[PumpManager] setConnection ()",
                   "[PumpManager] openSerialPort () " + quoted(line),
                   "[PumpManager] openSerialPort () Serial Port " + quoted(line) + " connected" }));

    // The search goes down the line; no broadcast, so no private network needed.
    QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
    timer("searchTimer")->stop();
    auto *pumps = widget<QComboBox>("dropDownPumps");
    QVERIFY(runUntil([&] { return pumps->count() == 1; }, 1000));
    QCOMPARE(pumps->itemText(0), identityText(loopbackPump(0)));
    QCOMPARE(sim->serialBytes(), identityQuery);
    QVERIFY(!widget<QPushButton>("btnBrowser")->isEnabled());

    // The lone pump is read over the line while the slot runs.
    capture->clear();
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
    runFor(50);
    QCOMPARE(sim->serialBytes(), identityQuery + settingQueries());
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm());
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_search_timeout ()",
                           "[MAIN_WINDOW] on_pump_selected () 0 selected." }));
    QVERIFY(widget<QPushButton>("btnBrowser")->isEnabled());

    // The write goes down the line too, and closes the port behind it.
    sim->clearFrames();
    capture->clear();
    MessageBoxCloser boxes;
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QByteArray written;
    for (const QByteArray &frame : loopbackWriteFrames())
        written += frame;
    runUntil([&] { return sim->serialBytes().size() >= written.size(); }, 1000);
    QCOMPARE(sim->serialBytes().toHex(' '), written.toHex(' '));
    QCOMPARE(capture->lines(),
             loopbackSubmissionLines()
                 + QStringList({ "[PumpManager] setPumpSettings () " + quoted(line),
                                 "[PumpManager] closeSerialPort ()",
                                 "[PumpManager] setPumpSettings () Serial port settings "
                                 "updated" }));
    QVERIFY(boxes.texts().isEmpty());
    QVERIFY(widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(timer("restartTimer")->isActive());

    // Another program holds the line when the wait ends, so the re-read cannot open it.
    QSerialPort other;
    other.setPortName(line);
    QVERIFY2(other.open(QIODevice::ReadWrite), qPrintable(other.errorString()));
    timer("restartTimer")->stop();
    capture->clear();
    QMetaObject::invokeMethod(window.get(), "on_submit_timeout");
    QCOMPARE(
        capture->lines(),
        QStringList(
            { "[MAIN_WINDOW] on_submit_timeout ()", "[MAIN_WINDOW] on_pump_selected () 0 selected.",
              "[PumpManager] openSerialPort () " + quoted(line),
              "[PumpManager] openSerialPort () Serial Port " + quoted(line) + " connection error",
              "[PumpManager] getPumpSettings () Serial Port " + quoted(line) + " is not open" }));
    other.close();

    // The line is free again, but nobody selected the pump: a submission of a form
    // filled in by hand says that nothing went out, and leaves the form as typed.
    const QStringList typed = { "127.0.0.2", "255.0.0.0", "127.0.0.1", "127.0.0.1", "127.0.0.1" };
    for (int i = 0; i < addressFields.size(); ++i)
        typeInto(window->findChild<QLineEdit *>(addressFields.at(i)), typed.at(i));
    chooseItem(widget<QComboBox>("dropDownNAM"), 1);
    for (const char *name : { "lineEdit_NTT", "lineEdit_NUH", "lineEdit_NUM", "lineEdit_NPA" })
        typeInto(widget<QLineEdit>(name), QStringLiteral("12"));
    for (const char *name : { "cmSlider", "btSlider", "tnSlider" })
        QTest::keyClick(widget<QSlider>(name), Qt::Key_Right);
    const QStringList form = shownValues(window.get(), settingWidgets);
    sim->clearFrames();
    capture->clear();
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList({ notSent }));
    QCOMPARE(capture->linesStartingWith("[PumpManager]"),
             QStringList({ "[PumpManager] setPumpSettings () " + quoted(line) }));
    QCOMPARE(shownValues(window.get(), settingWidgets), form);
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(!timer("restartTimer")->isActive());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "enabled"));
    runFor(100);
    QVERIFY(sim->serialBytes().isEmpty());

    // Choosing Ethernet, even while it is the current item, empties the list and locks the form.
    chooseItem(widget<QComboBox>("dropDownConnection"), 0);
    offerIdentity(window.get(), identityText(loopbackPump(1)));
    QCOMPARE(pumps->count(), 1);
    capture->clear();
    chooseItem(widget<QComboBox>("dropDownConnection"), 0);
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_pump_connection_changed ()",
                           "[PumpManager] setConnection ()" }));
    QCOMPARE(pumps->count(), 0);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));
}

QTEST_MAIN(TestNetworkWindow)
#include "tst_networkwindow.moc"
