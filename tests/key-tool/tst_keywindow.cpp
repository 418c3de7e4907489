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

// Only what this program does differently from the full network tool: it reads
// nothing, writes five keys as typed, and never lets a key into the log.
namespace {

const QStringList keyFields
    = { "lineEdit_NK1", "lineEdit_NK2", "lineEdit_NK3", "lineEdit_NK4", "lineEdit_NK5" };
const QStringList formButtons = { "btnSubmit", "btnReset" };
const QStringList pumpControls = { "btnSearch", "dropDownPumps", "dropDownConnection" };
const QStringList emptyKeys = allWith(keyFields, QString());

const QByteArray identityQuery = QByteArray::fromHex("024e49440d");

// One key of every awkward kind: empty, with the frame's own separator, outside
// ASCII, with blanks at both ends.
const QStringList awkwardKeys
    = { "", "alpha,beta", QStringLiteral("Schl\u00fcssel-\u20ac"), " spaced key ", "k5" };
const QList<QByteArray> awkwardFrames = {
    QByteArray::fromHex("024e4b312c0d"),
    QByteArray("\x02NK2,alpha,beta\r"),
    QByteArray("\x02NK3,Schl\xc3\xbcssel-\xe2\x82\xac\r"),
    QByteArray("\x02NK4, spaced key \r"),
    QByteArray("\x02NK5,k5\r"),
    QByteArray::fromHex("024e53560d"),
};
const QStringList awkwardKeyLines = {
    "[MAIN_WINDOW] on_btnSubmit_clicked () [redacted] 0 characters",
    "[MAIN_WINDOW] on_btnSubmit_clicked () [redacted] 10 characters",
    "[MAIN_WINDOW] on_btnSubmit_clicked () [redacted] 11 characters",
    "[MAIN_WINDOW] on_btnSubmit_clicked () [redacted] 12 characters",
    "[MAIN_WINDOW] on_btnSubmit_clicked () [redacted] 2 characters",
};

QByteArray joined(const QList<QByteArray> &frames)
{
    QByteArray all;
    for (const QByteArray &frame : frames)
        all += frame;
    return all;
}

} // namespace

class TestKeyWindow : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void startUpShowsTheKeyForm();
    void ethernetSelectionOnlyConnects();
    void serialSelectionSendsNothingAndReopensThePort();
    void fiveKeysReachThePumpByteForByte();
    void keysOverEthernet();
    void resetAlwaysLocksTheForm();
    void aPortThatDoesNotOpenIsExplained();

private:
    void typeKeys(const QStringList &keys);
};

void TestKeyWindow::initTestCase() { capture = std::make_unique<LogCapture>(); }

void TestKeyWindow::init()
{
    QVERIFY(startPumps({ loopbackPump(0) }));
    capture->clear();
    QVERIFY(showWindow());
    for (const QString &name : keyFields + formButtons + pumpControls)
        QVERIFY2(window->findChild<QWidget *>(name), qPrintable(name));
}

void TestKeyWindow::cleanup() { closeWindowAndPumps(); }

void TestKeyWindow::cleanupTestCase() { capture.reset(); }

void TestKeyWindow::typeKeys(const QStringList &keys)
{
    for (int i = 0; i < keyFields.size(); ++i)
        typeInto(window->findChild<QLineEdit *>(keyFields.at(i)), keys.at(i));
}

void TestKeyWindow::startUpShowsTheKeyForm()
{
    const QStringList lines = capture->lines();
    QVERIFY(lines.size() >= 5);
    QCOMPARE(lines.mid(0, 4), bannerHead(QStringLiteral("tst_keywindow")));
    QVERIFY2(bannerDateLine().match(lines.at(4)).hasMatch(), qPrintable(lines.at(4)));

    QCOMPARE(window->windowTitle(), QStringLiteral("Velmora Connection Tool v1.0.0"));
    QCOMPARE(window->minimumSize(), QSize(658, 485));
    QCOMPARE(window->maximumSize(), QSize(658, 485));
    QCOMPARE(enabledStates(window.get(), pumpControls), allWith(pumpControls, "enabled"));
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons),
             allWith(keyFields + formButtons, "disabled"));
    QCOMPARE(shownValues(window.get(), keyFields), emptyKeys);
    // Any text may be typed, and it is visible while typed.
    for (const QString &name : keyFields) {
        auto *key = window->findChild<QLineEdit *>(name);
        QCOMPARE(key->inputMask(), QString());
        QCOMPARE(key->echoMode(), QLineEdit::Normal);
        QVERIFY(!key->validator());
    }
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());

    // No browser button, and no slot for a setting that could be read.
    QVERIFY(!widget<QPushButton>("btnBrowser"));
    const QMetaObject *meta = window->metaObject();
    for (const char *slot : { "on_btnBrowser_clicked()", "on_AMAvailable(QString)",
                              "on_IPAvailable(QString)", "on_PAAvailable(QString)" })
        QVERIFY2(meta->indexOfSlot(slot) < 0, slot);
}

void TestKeyWindow::ethernetSelectionOnlyConnects()
{
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    capture->clear();
    chooseItem(widget<QComboBox>("dropDownPumps"), 0);
    const QString connected
        = QStringLiteral("[PumpManager] socketConnected () QHostAddress(\"127.0.0.2\")");
    QVERIFY(runUntil([&] { return capture->lines().contains(connected); }, 1000));
    // Long enough for a read's first frames, were there a read.
    runFor(400);
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_pump_selected () 0 selected.", connected }));
    QVERIFY(sim->frames().isEmpty());
    QCOMPARE(shownValues(window.get(), keyFields), emptyKeys);
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons),
             allWith(keyFields + formButtons, "enabled"));
}

void TestKeyWindow::serialSelectionSendsNothingAndReopensThePort()
{
    const QString line = listPumpOverSerialLine();
    QVERIFY(!line.isEmpty());
    QCOMPARE(sim->serialBytes(), identityQuery);

    // The lone pump is selected; not a byte goes down the line for it.
    capture->clear();
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
    runFor(300);
    QCOMPARE(sim->serialBytes(), identityQuery);
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_search_timeout ()",
                           "[MAIN_WINDOW] on_pump_selected () 0 selected." }));
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons),
             allWith(keyFields + formButtons, "enabled"));

    typeKeys({ "k1", "k2", "k3", "k4", "k5" });
    sim->clearFrames();
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    const QByteArray simpleKeys(
        "\x02NK1,k1\r\x02NK2,k2\r\x02NK3,k3\r\x02NK4,k4\r\x02NK5,k5\r\x02NSV\r");
    runUntil([&] { return sim->serialBytes().size() >= simpleKeys.size(); }, 1000);
    QCOMPARE(sim->serialBytes(), simpleKeys);
    QVERIFY(widget<QLabel>("labelSpinner")->isVisible());
    QVERIFY(widget<QLabel>("labelSpinner_text")->isVisible());
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons + pumpControls),
             allWith(keyFields + formButtons + pumpControls, "disabled"));
    QCOMPARE(shownValues(window.get(), keyFields), emptyKeys);

    // The wait's end selects the pump again: the port the write closed opens again,
    // silently, and the keys come back empty.
    QVERIFY(timer("restartTimer")->isActive());
    timer("restartTimer")->stop();
    sim->clearFrames();
    capture->clear();
    QMetaObject::invokeMethod(window.get(), "on_submit_timeout");
    QCOMPARE(
        capture->lines(),
        QStringList(
            { "[MAIN_WINDOW] on_submit_timeout ()", "[MAIN_WINDOW] on_pump_selected () 0 selected.",
              "[PumpManager] openSerialPort () " + quoted(line),
              "[PumpManager] openSerialPort () Serial Port " + quoted(line) + " connected" }));
    runFor(200);
    QVERIFY(sim->serialBytes().isEmpty());
    QVERIFY(!widget<QLabel>("labelSpinner")->isVisible());
    QCOMPARE(shownValues(window.get(), keyFields), emptyKeys);
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons + pumpControls),
             allWith(keyFields + formButtons + pumpControls, "enabled"));

    // So the next submission goes out; empty keys are frames of six bytes.
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    runUntil([&] { return sim->serialBytes().size() >= 5 * 6 + 5; }, 1000);
    QCOMPARE(sim->serialBytes().toHex(' '),
             QByteArray("02 4e 4b 31 2c 0d 02 4e 4b 32 2c 0d 02 4e 4b 33 2c 0d 02 4e 4b 34 2c 0d "
                        "02 4e 4b 35 2c 0d 02 4e 53 56 0d"));
}

void TestKeyWindow::fiveKeysReachThePumpByteForByte()
{
    const QString line = listPumpOverSerialLine();
    QVERIFY(!line.isEmpty());
    chooseItem(widget<QComboBox>("dropDownPumps"), 0);
    typeKeys(awkwardKeys);
    QCOMPARE(shownValues(window.get(), keyFields),
             QStringList({ "lineEdit_NK1=", "lineEdit_NK2=alpha,beta",
                           QStringLiteral("lineEdit_NK3=Schl\u00fcssel-\u20ac"),
                           "lineEdit_NK4= spaced key ", "lineEdit_NK5=k5" }));
    sim->clearFrames();
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    runUntil([&] { return sim->frames().size() >= awkwardFrames.size(); }, 1000);
    QCOMPARE(sim->serialBytes().toHex(' '), joined(awkwardFrames).toHex(' '));
    QCOMPARE(frameBytes(sim->frames()), awkwardFrames);
    // The five key lines come before the write starts, and none of them holds a key.
    QCOMPARE(capture->lines(),
             awkwardKeyLines
                 + QStringList({ "[PumpManager] setPumpSettings () " + quoted(line),
                                 "[PumpManager] closeSerialPort ()",
                                 "[PumpManager] setPumpSettings () Serial port settings "
                                 "updated" }));
    // The pump saved every key exactly as it came.
    const QMap<QByteArray, QByteArray> saved = sim->settings(0);
    QCOMPARE(saved.value("NK1"), QByteArray());
    QCOMPARE(saved.value("NK2"), QByteArray("alpha,beta"));
    QCOMPARE(saved.value("NK3"), QByteArray("Schl\xc3\xbcssel-\xe2\x82\xac"));
    QCOMPARE(saved.value("NK4"), QByteArray(" spaced key "));
    QCOMPARE(saved.value("NK5"), QByteArray("k5"));
}

void TestKeyWindow::keysOverEthernet()
{
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    chooseItem(widget<QComboBox>("dropDownPumps"), 0);
    QVERIFY(
        runUntil([&] { return capture->lines().join('\n').contains("socketConnected"); }, 1000));
    typeKeys(awkwardKeys);
    capture->clear();

    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    const QString closed = QStringLiteral("[PumpManager] socketDisconnected ()");
    QVERIFY(runUntil([&] { return capture->lines().contains(closed); }, 3000));
    // The simulator records the last frame on its own thread, after it has left here.
    QVERIFY(runUntil([&] { return sim->frames().size() >= awkwardFrames.size(); }, 1000));
    runFor(50);
    QCOMPARE(frameBytes(sim->frames()), awkwardFrames);
    for (const ReceivedFrame &frame : sim->frames())
        QCOMPARE(frame.pump, 0);
    QCOMPARE(capture->lines(),
             awkwardKeyLines
                 + QStringList({ "[PumpManager] setPumpSettings () \"ETHERNET\"",
                                 "[PumpManager] setWorker ()",
                                 "[PumpManager] on_setWorker_finished ()", closed }));
    QVERIFY(timer("restartTimer")->isActive());
    timer("restartTimer")->stop();
}

void TestKeyWindow::resetAlwaysLocksTheForm()
{
    // No pump selected: the slot behind the locked button keeps the form locked.
    QMetaObject::invokeMethod(window.get(), "on_btnReset_clicked");
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_btnReset_clicked ()" }));
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons),
             allWith(keyFields + formButtons, "disabled"));

    // A pump selected and keys typed: Reset drops them and locks the form until the
    // pump is selected again; it selects nothing itself.
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    chooseItem(widget<QComboBox>("dropDownPumps"), 0);
    typeKeys({ "a", "b", "c", "d", "e" });
    capture->clear();
    QTest::mouseClick(widget<QPushButton>("btnReset"), Qt::LeftButton);
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW]"),
             QStringList({ "[MAIN_WINDOW] on_btnReset_clicked ()" }));
    QCOMPARE(shownValues(window.get(), keyFields), emptyKeys);
    QCOMPARE(enabledStates(window.get(), keyFields + formButtons),
             allWith(keyFields + formButtons, "disabled"));
    QCOMPARE(enabledStates(window.get(), pumpControls), allWith(pumpControls, "enabled"));
    runFor(200);
    QVERIFY(sim->frames().isEmpty());
    QVERIFY(capture->linesStartingWith("[MAIN_WINDOW]").size() == 1);
}

// The key tool shares the window's word on a port that does not open; it never
// reads keys back, so an empty key stays a key to send.
void TestKeyWindow::aPortThatDoesNotOpenIsExplained()
{
    MessageBoxCloser boxes;
    const QString missing = QStringLiteral("/dev/pump-adapter-unplugged");
    QVERIFY(chooseSerialLine(window.get(), missing) > 0);
    QVERIFY(runUntil([&] { return boxes.shown().size() == 1; }, 1000));
    QVERIFY(boxes.texts().first().startsWith("The serial port " + missing
                                             + " could not be opened: No such file or directory."));
    QVERIFY(boxes.shown().first().hasParent);

    offerIdentity(window.get(), identityText(loopbackPump(0)));
    chooseItem(widget<QComboBox>("dropDownConnection"), 0);
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 0));
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(window->findChild<QTimer *>(QStringLiteral("restartTimer"))->isActive());
    QCOMPARE(boxes.shown().size(), 1);
}

QTEST_MAIN(TestKeyWindow)
#include "tst_keywindow.moc"
