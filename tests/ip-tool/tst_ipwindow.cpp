#include "mainwindow.h"
#include "pumpfixtures.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

// Only what this program does differently from the full network tool: six settings
// read and written, the service settings neither shown nor sent nor understood.
namespace {

const QStringList addressFields
    = { "lineEdit_NIP", "lineEdit_NSM", "lineEdit_NDG", "lineEdit_ND1", "lineEdit_ND2" };
const QStringList settingWidgets = QStringList { "dropDownNAM" } + addressFields;
const QStringList formButtons = { "btnBrowser", "btnSubmit", "btnReset" };
const QStringList pumpControls = { "btnSearch", "dropDownPumps", "dropDownConnection" };
const QStringList serviceWidgets = { "lineEdit_NTT", "lineEdit_NUH", "lineEdit_NUM", "cmSlider",
                                     "btSlider",     "tnSlider",     "lineEdit_NPA" };

const QStringList emptyForm = { "dropDownNAM=DHCP", "lineEdit_NIP=...", "lineEdit_NSM=...",
                                "lineEdit_NDG=...", "lineEdit_ND1=...", "lineEdit_ND2=..." };
// loopbackPump(0) as this form shows it.
const QStringList loopbackForm
    = { "dropDownNAM=Static",    "lineEdit_NIP=127.0.0.2", "lineEdit_NSM=255.255.0.0",
        "lineEdit_NDG=10.1.0.1", "lineEdit_ND1=10.1.0.53", "lineEdit_ND2=10.1.0.54" };

const QList<QByteArray> sixQueries = {
    QByteArray::fromHex("024e414d0d"), QByteArray::fromHex("024e49500d"),
    QByteArray::fromHex("024e534d0d"), QByteArray::fromHex("024e44470d"),
    QByteArray::fromHex("024e44310d"), QByteArray::fromHex("024e44320d"),
};
const QList<QByteArray> loopbackWrites = {
    QByteArray("\x02NAM,Static\r"),      QByteArray("\x02NIP,127.0.0.2\r"),
    QByteArray("\x02NSM,255.255.0.0\r"), QByteArray("\x02NDG,10.1.0.1\r"),
    QByteArray("\x02ND1,10.1.0.53\r"),   QByteArray("\x02ND2,10.1.0.54\r"),
    QByteArray::fromHex("024e53560d"),
};
const QStringList loopbackSubmissionLines = {
    "[MAIN_WINDOW] on_btnSubmit_clicked () \"Static\"",
    "[MAIN_WINDOW] on_btnSubmit_clicked () \"127.0.0.2\"",
    "[MAIN_WINDOW] on_btnSubmit_clicked () \"255.255.0.0\"",
    "[MAIN_WINDOW] on_btnSubmit_clicked () \"10.1.0.1\"",
    "[MAIN_WINDOW] on_btnSubmit_clicked () \"10.1.0.53\"",
    "[MAIN_WINDOW] on_btnSubmit_clicked () \"10.1.0.54\"",
};

const QString unmarked = QStringLiteral("QLineEdit {}");
const QString marked = QStringLiteral("QLineEdit {color: red;}");

} // namespace

class TestIpWindow : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void startUpShowsTheSixSettingForm();
    void selectionReadsTheSixSettingsOnly();
    void submissionWritesTheSixSettingsAndSaves();
    void serviceRepliesAreUnknownResponses();
    void unknownMnemonicsLeaveTheFormEmpty();
    void aWrongAddressBlocksTheSubmission_data();
    void aWrongAddressBlocksTheSubmission();
    void restartWaitEndReadsTheSixSettingsAgain();

private:
    bool offerAndSelectLoopbackPump();
};

void TestIpWindow::initTestCase() { capture = std::make_unique<LogCapture>(); }

void TestIpWindow::init()
{
    QVERIFY(startPumps({ loopbackPump(0) }));
    capture->clear();
    QVERIFY(showWindow());
    for (const QString &name : settingWidgets + formButtons + pumpControls)
        QVERIFY2(window->findChild<QWidget *>(name), qPrintable(name));
}

void TestIpWindow::cleanup() { closeWindowAndPumps(); }

void TestIpWindow::cleanupTestCase() { capture.reset(); }

// Lists loopbackPump(0) as its identity reply would, selects it and waits for its six answers.
bool TestIpWindow::offerAndSelectLoopbackPump()
{
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    return selectPump(0, 6);
}

void TestIpWindow::startUpShowsTheSixSettingForm()
{
    const QStringList lines = capture->lines();
    QVERIFY(lines.size() >= 5);
    QCOMPARE(lines.mid(0, 4), bannerHead(QStringLiteral("tst_ipwindow")));
    QVERIFY2(bannerDateLine().match(lines.at(4)).hasMatch(), qPrintable(lines.at(4)));

    QCOMPARE(window->windowTitle(), QStringLiteral("Velmora Network Tool v1.0.0"));
    QCOMPARE(window->minimumSize(), QSize(658, 485));
    QCOMPARE(window->maximumSize(), QSize(658, 485));
    QCOMPARE(enabledStates(window.get(), pumpControls), allWith(pumpControls, "enabled"));
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));
    QCOMPARE(shownValues(window.get(), settingWidgets), emptyForm);
    QCOMPARE(
        shownValues(window.get(), formButtons),
        QStringList({ "btnBrowser=Set Up From Browser", "btnSubmit=Submit", "btnReset=Reset" }));
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());

    // No widget and no slot for any of the seven service settings.
    for (const QString &name : serviceWidgets)
        QVERIFY2(!window->findChild<QWidget *>(name), qPrintable(name));
    const QMetaObject *meta = window->metaObject();
    for (const char *slot :
         { "on_TTAvailable(QString)", "on_UHAvailable(QString)", "on_UMAvailable(QString)",
           "on_CMAvailable(QString)", "on_BTAvailable(QString)", "on_TNAvailable(QString)",
           "on_PAAvailable(QString)" })
        QVERIFY2(meta->indexOfSlot(slot) < 0, slot);
    for (const char *slot :
         { "on_btnBrowser_clicked()", "on_AMAvailable(QString)", "on_DNS2Available(QString)" })
        QVERIFY2(meta->indexOfSlot(slot) >= 0, slot);
}

void TestIpWindow::selectionReadsTheSixSettingsOnly()
{
    QVERIFY(offerAndSelectLoopbackPump());
    // Time for a seventh query, were there one.
    runFor(300);
    QCOMPARE(frameBytes(sim->frames()), sixQueries);
    for (const ReceivedFrame &frame : sim->frames())
        QCOMPARE(frame.pump, 0);
    QCOMPARE(parsedReplies(), 6);
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "enabled"));
}

void TestIpWindow::submissionWritesTheSixSettingsAndSaves()
{
    QVERIFY(offerAndSelectLoopbackPump());
    runFor(150);
    sim->clearFrames();
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    auto *restart = window->findChild<QTimer *>(QStringLiteral("restartTimer"));
    QVERIFY(restart && restart->isActive());
    restart->stop();
    const QString closed = QStringLiteral("[PumpManager] socketDisconnected ()");
    QVERIFY(runUntil([&] { return capture->lines().contains(closed); }, 3000));
    // The simulator records the last frame on its own thread, after it has left here.
    QVERIFY(runUntil([&] { return sim->frames().size() >= loopbackWrites.size(); }, 1000));
    runFor(50);
    QCOMPARE(frameBytes(sim->frames()), loopbackWrites);
    QCOMPARE(capture->lines(),
             loopbackSubmissionLines
                 + QStringList({ "[PumpManager] setPumpSettings () \"ETHERNET\"",
                                 "[PumpManager] setWorker ()",
                                 "[PumpManager] on_setWorker_finished ()", closed }));
    // The pump's service settings are as they were.
    QCOMPARE(sim->settings(0), loopbackPump(0).settings);
}

void TestIpWindow::serviceRepliesAreUnknownResponses()
{
    // A pump that volunteers a time-out and a "NUO" behind its identity, on the serial line.
    SimulatedPumpConfig pump = loopbackPump(0);
    pump.identityOverride = identityText(pump).toLatin1() + "\r\x02NTT,30\r\x02NUO,1";
    QVERIFY(startPumps({ pump }));
    const QString line = sim->openSerialLine(0);
    QVERIFY(!line.isEmpty());
    QVERIFY(chooseSerialLine(window.get(), line) > 0);
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons),
             allWith(settingWidgets + formButtons, "disabled"));
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
    window->findChild<QTimer *>(QStringLiteral("searchTimer"))->stop();
    QVERIFY(runUntil([&] { return capture->lines().size() >= 7; }, 1000));
    runFor(50);
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_btnSearch_clicked ()",
                           "[PumpManager] parsePumpResponse () Command: \"NID\" Value:  "
                               + quoted(identityText(pump)),
                           "[MAIN_WINDOW] on_IDAvailable () Found pump \"PUMP-0001-AB12CD3\" at "
                           "\"127.0.0.2\"",
                           "[PumpManager] parsePumpResponse () Command: \"NTT\" Value:  \"30\"",
                           "[PumpManager] parsePumpResponse () [Error] Unknown Response: \"NTT\"",
                           "[PumpManager] parsePumpResponse () Command: \"NUO\" Value:  \"1\"",
                           "[PumpManager] parsePumpResponse () [Error] Unknown Response: "
                           "\"NUO\"" }));
    QCOMPARE(widget<QComboBox>("dropDownPumps")->count(), 1);

    // Selected over the line, the pump is asked for the six settings and nothing else.
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
    runFor(50);
    QByteArray asked = QByteArray::fromHex("024e49440d");
    for (const QByteArray &query : sixQueries)
        asked += query;
    QCOMPARE(sim->serialBytes(), asked);
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm);
}

void TestIpWindow::unknownMnemonicsLeaveTheFormEmpty()
{
    sim->setFault(0, PumpFault::UnknownMnemonics);
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    chooseItem(widget<QComboBox>("dropDownPumps"), 0);
    const QString unknown
        = QStringLiteral("[PumpManager] parsePumpResponse () [Error] Unknown Response: \"NXQ\"");
    QVERIFY(runUntil([&] { return capture->lines().count(unknown) == 6; }, 3000));
    runFor(150);
    QCOMPARE(capture->lines().count(unknown), 6);
    QCOMPARE(shownValues(window.get(), settingWidgets), emptyForm);
    QCOMPARE(enabledStates(window.get(), settingWidgets), allWith(settingWidgets, "enabled"));
}

void TestIpWindow::aWrongAddressBlocksTheSubmission_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("logged");
    QTest::newRow("address above 255") << "lineEdit_NIP"
                                       << "256.1.1.1"
                                       << "256.1.1.1";
    QTest::newRow("mask left empty") << "lineEdit_NSM"
                                     << ""
                                     << "...";
    QTest::newRow("gateway of three groups") << "lineEdit_NDG"
                                             << "10.0.0"
                                             << "10.0.0.";
    QTest::newRow("first DNS above 255") << "lineEdit_ND1"
                                         << "999.0.0.1"
                                         << "999.0.0.1";
    QTest::newRow("second DNS, last group above 255") << "lineEdit_ND2"
                                                      << "8.8.8.888"
                                                      << "8.8.8.888";
}

void TestIpWindow::aWrongAddressBlocksTheSubmission()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, logged);
    QVERIFY(offerAndSelectLoopbackPump());
    runFor(150);
    typeInto(window->findChild<QLineEdit *>(field), typed);
    sim->clearFrames();
    capture->clear();

    MessageBoxCloser boxes;
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList({ "Please correct the highlighted entry." }));
    QStringList sheets = allWith(addressFields, unmarked);
    sheets.replace(addressFields.indexOf(field), field + "=" + marked);
    QCOMPARE(styleSheets(window.get(), addressFields), sheets);
    QStringList submitted = loopbackSubmissionLines;
    submitted.replace(1 + addressFields.indexOf(field),
                      "[MAIN_WINDOW] on_btnSubmit_clicked () " + quoted(logged));
    QCOMPARE(capture->lines(), submitted);
    runFor(200);
    QVERIFY(sim->frames().isEmpty());
    QVERIFY(!window->findChild<QTimer *>(QStringLiteral("restartTimer"))->isActive());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "enabled"));
}

void TestIpWindow::restartWaitEndReadsTheSixSettingsAgain()
{
    QVERIFY(offerAndSelectLoopbackPump());
    runFor(150);
    sim->clearFrames();
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(widget<QLabel>("labelSpinner_text")->isVisible());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "disabled"));
    // The write's completion closes the socket, so it must be in before the re-read
    // opens it again; and the simulator records the last frame on its own thread.
    QVERIFY(runUntil(
        [&] {
            return capture->lines().contains("[PumpManager] on_setWorker_finished ()")
                && sim->frames().size() == loopbackWrites.size();
        },
        3000));
    // The real 15-second wait is the full tool's test; here the timer's slot is enough.
    auto *restart = window->findChild<QTimer *>(QStringLiteral("restartTimer"));
    QVERIFY(restart->isActive());
    restart->stop();
    sim->clearFrames();
    capture->clear();

    QMetaObject::invokeMethod(window.get(), "on_submit_timeout");
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(!widget<QLabel>("labelSpinner_text")->isVisible());
    QCOMPARE(enabledStates(window.get(), settingWidgets + formButtons + pumpControls),
             allWith(settingWidgets + formButtons + pumpControls, "enabled"));
    QVERIFY(runUntil([&] { return parsedReplies() == 6; }, 3000));
    runFor(150);
    QCOMPARE(frameBytes(sim->frames()), sixQueries);
    QCOMPARE(shownValues(window.get(), settingWidgets), loopbackForm);
    // The settings it reports are compared with those written, and all match.
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_submit_timeout ()",
                           "[MAIN_WINDOW] on_pump_selected () 0 selected.",
                           "[MAIN_WINDOW] compareWithWritten () Every setting as written." }));
}

QTEST_MAIN(TestIpWindow)
#include "tst_ipwindow.moc"
