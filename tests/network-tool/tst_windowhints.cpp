#include "mainwindow.h"
#include "pumpfixtures.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"
#include "textfitcheck.h"
#include "windowmessages.h"
#include "windowtestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QSlider>
#include <QtTest>

// What the window tells the technician when something goes wrong, against the
// simulator over the real transports: a port that does not open, a search nobody
// answered, a read that stays incomplete, a pump that does not come back after its
// restart, one that holds other values than were written, one that comes back late.
class TestWindowHints : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void portsThatDoNotOpenAreExplained();
    void aSearchNobodyAnsweredSaysSo();
    void settingsNeverReadAreShadedAndNotSent();
    void aPumpSilentAfterItsRestartIsAskedAgainThenReported();
    void valuesHeldDifferentlyAreListed();
    void paddedDigitsAreHeldAsTheFormShowsThem();
    void aPumpBackAfterTwentySecondsIsConfirmed();
    void aPickGoesStraightToTheSlotAndStartsAfresh();

private:
    bool selectPumpThatStores(const QByteArray &mnemonic, const QByteArray &stored);
    bool submitAndEndTheWait();
    QLabel *note() const { return widget<QLabel>("labelNote"); }
};

namespace {

const QString unknownShade = QStringLiteral("QLineEdit {background-color: rgb(255, 241, 168);}");
const QString differsShade = QStringLiteral("QLineEdit {background-color: rgb(255, 207, 158);}");
const QStringList controls = { "btnSearch", "dropDownPumps", "dropDownConnection", "btnSubmit" };

} // namespace

void TestWindowHints::initTestCase()
{
    // The font of Linux desktops, under which every text must still show whole.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    capture = std::make_unique<LogCapture>();
}

void TestWindowHints::init()
{
    QVERIFY(startPumps({ loopbackPump(0) }));
    capture->clear();
    QVERIFY(showWindow());
    QVERIFY(note());
}

void TestWindowHints::cleanup() { closeWindowAndPumps(); }

// Selects a pump that, whatever is written, stores `stored` for `mnemonic`, and
// restarts at once after a save.
bool TestWindowHints::selectPumpThatStores(const QByteArray &mnemonic, const QByteArray &stored)
{
    SimulatedPumpConfig pump = loopbackPump(0);
    pump.storesInstead.insert(mnemonic, stored);
    if (!startPumps({ pump }))
        return false;
    sim->setRestartMs(100);
    offerIdentity(window.get(), identityText(pump));
    return selectPump(0, 13);
}

// Submits the form as it stands and ends the restart wait as soon as the pump has
// had its save frame, so that only the re-read is left to watch.
bool TestWindowHints::submitAndEndTheWait()
{
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    if (!timer("restartTimer")->isActive())
        return false;
    const QString finished = QStringLiteral("[PumpManager] on_setWorker_finished ()");
    if (!runUntil([&] { return capture->lines().contains(finished); }, 3000))
        return false;
    runFor(300);
    timer("restartTimer")->stop();
    capture->clear();
    QMetaObject::invokeMethod(window.get(), "on_submit_timeout");
    return true;
}

void TestWindowHints::portsThatDoNotOpenAreExplained()
{
    // On Linux a refused device tells how to join the group that may use serial ports.
    QCOMPARE(WindowMessages::portNotOpened(QStringLiteral("ttyUSB0"), QSerialPort::PermissionError,
                                           QStringLiteral("Permission denied"), false),
             QStringLiteral("The serial port ttyUSB0 could not be opened: Permission denied.\n\n"
                            "This user may not use serial ports. Join the dialout group:\n"
                            "    sudo usermod -aG dialout $USER\n"
                            "then log out and in again, and choose the port once more."));

    const QString line = sim->openSerialLine(0);
    QSerialPort other;
    {
        MessageBoxCloser boxes;
        const QString missing = QStringLiteral("/dev/pump-adapter-unplugged");
        QVERIFY(chooseSerialLine(window.get(), missing) > 0);
        QVERIFY(runUntil([&] { return boxes.shown().size() == 1; }, 1000));
        QCOMPARE(boxes.texts().first(),
                 "The serial port " + missing
                     + " could not be opened: No such file or directory.\n\nCheck that the "
                       "adapter is plugged in. The list of ports is read when the tool starts.");
        QVERIFY(boxes.shown().first().hasParent);
        QCOMPARE(boxes.shown().first().title, window->windowTitle());

        // Held by another program: this user may use it, so the group is not the reason.
        other.setPortName(line);
        QVERIFY2(other.open(QIODevice::ReadWrite), qPrintable(other.errorString()));
        QVERIFY(chooseSerialLine(window.get(), line) > 0);
        QVERIFY(runUntil([&] { return boxes.shown().size() == 2; }, 1000));
        QCOMPARE(boxes.texts().last(),
                 "The serial port " + line
                     + " could not be opened: Permission error while locking the device.\n\n"
                       "Another program may be "
                       "using the port. Close it, then choose the port once more.");
    }

    // Each selection tries the port again; a box still open takes the news, none stacks.
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    auto *pumps = widget<QComboBox>("dropDownPumps");
    chooseItem(pumps, 0);
    chooseItem(pumps, 0);
    runFor(50);
    QCOMPARE(window->findChildren<QMessageBox *>().size(), 1);
    QCOMPARE(capture->linesStartingWith("[PumpManager] getPumpSettings ()").size(), 2);
    window->findChild<QMessageBox *>()->close();
    other.close();

    // The port free again, the next choice opens it without a word.
    MessageBoxCloser boxes;
    chooseItem(widget<QComboBox>("dropDownConnection"), 0);
    QVERIFY(chooseSerialLine(window.get(), line) > 0);
    runFor(50);
    QVERIFY(boxes.texts().isEmpty());
}

void TestWindowHints::aSearchNobodyAnsweredSaysSo()
{
    sim->setFault(0, PumpFault::Silent);
    QVERIFY(chooseSerialLine(window.get(), sim->openSerialLine(0)) > 0);
    MessageBoxCloser boxes;
    auto *pumps = widget<QComboBox>("dropDownPumps");
    auto *search = widget<QPushButton>("btnSearch");
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(search, Qt::LeftButton);
        QCOMPARE(pumps->placeholderText(), QString());
        timer("searchTimer")->stop();
        runFor(100);
        QMetaObject::invokeMethod(window.get(), "on_search_timeout");
        QCOMPARE(pumps->currentIndex(), -1);
        QCOMPARE(pumps->placeholderText(), QStringLiteral("No pump answered the search."));
        QCOMPARE(clippedText(pumps), QString());
    }
    // Painted, not only set: the list looks different once the text has gone.
    const QImage saying = pumps->grab().toImage();
    // No box for it; a change of connection clears it like a new search does.
    QVERIFY(boxes.texts().isEmpty());
    chooseItem(widget<QComboBox>("dropDownConnection"), 0);
    QCOMPARE(pumps->placeholderText(), QString());
    QVERIFY(pumps->grab().toImage() != saying);
}

void TestWindowHints::settingsNeverReadAreShadedAndNotSent()
{
    SimulatedPumpConfig pump = loopbackPump(0);
    pump.settings.remove("NTT");
    pump.settings.remove("NPA");
    QVERIFY(startPumps({ pump }));
    offerIdentity(window.get(), identityText(pump));
    QVERIFY(selectPump(0, 11));
    const QString noAnswer
        = QStringLiteral("[MAIN_WINDOW] finishRead () No answer for \"NTT\" \"NPA\"");
    QVERIFY(runUntil([&] { return capture->lines().contains(noAnswer); }, 3000));
    const QStringList fields = { "lineEdit_NIP", "lineEdit_NTT", "lineEdit_NUM", "lineEdit_NPA" };
    QCOMPARE(styleSheets(window.get(), fields),
             QStringList({ "lineEdit_NIP=QLineEdit {}", "lineEdit_NTT=" + unknownShade,
                           "lineEdit_NUM=", "lineEdit_NPA=" + unknownShade }));
    QVERIFY(note()->isVisible());
    QCOMPARE(note()->text(),
             QStringLiteral("2 of 13 settings did not arrive (shaded yellow). "
                            "Select the pump again to read them."));
    QCOMPARE(clippedText(note()), QString());

    // Submit refuses what was never filled; nothing reaches the pump.
    MessageBoxCloser boxes;
    sim->clearFrames();
    capture->clear();
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(runUntil([&] { return boxes.shown().size() == 1; }, 1000));
    QCOMPARE(boxes.texts().first(),
             QStringLiteral("These settings were not read from the pump and not filled in:\n"
                            "    TCP Timeout\n    PROFIBUS Address\n\n"
                            "Nothing was sent. Select the pump again, or press Reset, to read "
                            "them once more, or fill them in yourself."));
    QVERIFY(boxes.shown().first().hasParent);
    QCOMPARE(capture->lines(),
             QStringList({ "[MAIN_WINDOW] on_btnSubmit_clicked () Not sent, settings unknown: "
                           "\"NTT\" \"NPA\"" }));
    QVERIFY(!timer("restartTimer")->isActive());

    // What the technician types counts as filled in, and loses its shade.
    typeInto(widget<QLineEdit>("lineEdit_NTT"), QStringLiteral("45"));
    QCOMPARE(widget<QLineEdit>("lineEdit_NTT")->styleSheet(), QString());
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(runUntil([&] { return boxes.shown().size() == 2; }, 1000));
    QVERIFY(boxes.texts().last().contains("\n    PROFIBUS Address\n\n"));
    QVERIFY(!boxes.texts().last().contains("TCP Timeout"));
    runFor(200);
    QVERIFY(sim->frames().isEmpty());

    typeInto(widget<QLineEdit>("lineEdit_NPA"), QStringLiteral("7"));
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(timer("restartTimer")->isActive());
    timer("restartTimer")->stop();
    QVERIFY(runUntil([&] { return sim->frames().size() == 14; }, 3000));
    QCOMPARE(sim->frames().at(6).bytes, QByteArray("\x02NTT,45\r"));
    QCOMPARE(sim->frames().at(12).bytes, QByteArray("\x02NPA,7\r"));
    QCOMPARE(boxes.shown().size(), 2);
}

void TestWindowHints::aPumpSilentAfterItsRestartIsAskedAgainThenReported()
{
    sim->setRestartMs(600000);
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 13));
    MessageBoxCloser boxes;
    QVERIFY(submitAndEndTheWait());
    QTimer *retry = timer("rereadRetryTimer");
    QVERIFY(retry && retry->isActive() && retry->isSingleShot());
    QCOMPARE(retry->interval(), 3000);
    // Ten more reads 3 s apart are the window's; here they follow each other faster.
    retry->setInterval(200);

    // While it is asked again the wait goes on: overlay up, nothing usable.
    auto *overlay = widget<QLabel>("labelSpinner_text");
    QVERIFY(runUntil([&] { return overlay->isVisible(); }, 1000));
    QCOMPARE(overlay->text(),
             QStringLiteral("No answer from the pump yet. \nAsking again every 3 seconds..."));
    QCOMPARE(clippedText(overlay), QString());
    QVERIFY(widget<QLabel>("labelSpinner")->isVisible());
    QCOMPARE(enabledStates(window.get(), controls), allWith(controls, "disabled"));

    QVERIFY(runUntil([&] { return boxes.shown().size() == 1; }, 10000));
    QCOMPARE(boxes.texts().first(),
             QStringLiteral(
                 "The pump did not answer after its restart.\n\n"
                 "It was asked at 127.0.0.2 when the wait ended, and every 3 seconds for 30 "
                 "seconds more.\n\n"
                 "If it was given a static address outside this computer's network, it cannot be "
                 "reached from here: connect this computer to that network, or use a serial "
                 "port. If it takes its address by DHCP, it may have a new one: search again. It "
                 "may also still be starting, or its cable may be loose."));
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW] on_pump_selected () 0 selected.").size(),
             11);
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW] tryAgain () Read ").size(), 10);
    QVERIFY(capture->lines().contains("[MAIN_WINDOW] tryAgain () Read 11 of 11"));
    QVERIFY(capture->lines().contains("[MAIN_WINDOW] tryAgain () No answer after 11 reads"));
    QVERIFY(!overlay->isVisible());
    QCOMPARE(overlay->text(),
             QStringLiteral("Settings saved. Please wait. \nPump restarting in 15 seconds..."));
    QCOMPARE(enabledStates(window.get(), controls), allWith(controls, "enabled"));
    QCOMPARE(note()->text(),
             QStringLiteral("The pump did not answer: no setting is known. "
                            "Select it again to retry."));
    // The last read's end shades every field as unknown.
    auto *ip = widget<QLineEdit>("lineEdit_NIP");
    QVERIFY(runUntil([&] { return ip->styleSheet() == unknownShade; }, 3000));
}

void TestWindowHints::valuesHeldDifferentlyAreListed()
{
    QVERIFY(selectPumpThatStores("NTT", "30"));
    typeInto(widget<QLineEdit>("lineEdit_NTT"), QStringLiteral("45"));
    QTest::keyClick(widget<QSlider>("btSlider"), Qt::Key_Right);
    const QString startSheet = widget<QSlider>("btSlider")->styleSheet();
    MessageBoxCloser boxes;
    QVERIFY(submitAndEndTheWait());

    QVERIFY(runUntil([&] { return boxes.shown().size() == 1; }, 4000));
    QCOMPARE(boxes.texts().first(),
             QStringLiteral("After its restart the pump holds other values than were written:\n"
                            "    TCP Timeout: written \"45\", held \"30\"\n\n"
                            "It may have refused them. The fields are shaded orange; check them "
                            "and submit again."));
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW] compareWithWritten ()"),
             QStringList({ "[MAIN_WINDOW] compareWithWritten () Held differently: \"NTT\"" }));
    QCOMPARE(widget<QLineEdit>("lineEdit_NTT")->styleSheet(), differsShade);
    QCOMPARE(widget<QSlider>("btSlider")->value(), 1);
    QCOMPARE(widget<QSlider>("btSlider")->styleSheet(), startSheet);
    QVERIFY(!note()->isVisible());

    // The next action starts afresh.
    QTest::mouseClick(widget<QPushButton>("btnReset"), Qt::LeftButton);
    QCOMPARE(widget<QLineEdit>("lineEdit_NTT")->styleSheet(), QString());
}

void TestWindowHints::paddedDigitsAreHeldAsTheFormShowsThem()
{
    // The form shows "045" and would send it back: for the window that is not the
    // "45" written, although the number is the same (pumpctl takes it as held).
    QVERIFY(selectPumpThatStores("NTT", "045"));
    typeInto(widget<QLineEdit>("lineEdit_NTT"), QStringLiteral("45"));
    MessageBoxCloser boxes;
    QVERIFY(submitAndEndTheWait());

    QVERIFY(runUntil([&] { return boxes.shown().size() == 1; }, 4000));
    QVERIFY2(boxes.texts().first().contains(
                 QStringLiteral("\n    TCP Timeout: written \"45\", held \"045\"\n\n")),
             qPrintable(boxes.texts().first()));
    QCOMPARE(widget<QLineEdit>("lineEdit_NTT")->text(), QStringLiteral("045"));
    QCOMPARE(widget<QLineEdit>("lineEdit_NTT")->styleSheet(), differsShade);
    QCOMPARE(capture->linesStartingWith("[MAIN_WINDOW] compareWithWritten ()"),
             QStringList({ "[MAIN_WINDOW] compareWithWritten () Held differently: \"NTT\"" }));
}

void TestWindowHints::aPumpBackAfterTwentySecondsIsConfirmed()
{
    sim->setRestartMs(20000);
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    QVERIFY(selectPump(0, 13));
    MessageBoxCloser boxes;
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    auto *overlay = widget<QLabel>("labelSpinner_text");
    bool askedAgainUnderTheOverlay = false;
    const QString confirmed = QStringLiteral("The pump holds every setting as written.");
    QVERIFY(runUntil(
        [&] {
            askedAgainUnderTheOverlay = askedAgainUnderTheOverlay
                || (overlay->isVisible() && overlay->text().startsWith("No answer"));
            return note()->isVisible() && note()->text() == confirmed;
        },
        15000 + 12000));
    QVERIFY(askedAgainUnderTheOverlay);
    QVERIFY(boxes.texts().isEmpty());
    QVERIFY(!overlay->isVisible());
    QCOMPARE(enabledStates(window.get(), controls), allWith(controls, "enabled"));
    QCOMPARE(clippedText(note()), QString());
    QVERIFY(
        capture->lines().contains("[MAIN_WINDOW] compareWithWritten () Every setting as written."));

    // The note goes with the next action.
    QTest::mouseClick(widget<QPushButton>("btnReset"), Qt::LeftButton);
    QVERIFY(!note()->isVisible());
}

// The pump list's pick reaches on_pump_selected by the window's own wiring, and what
// was said about the last action goes before the pump is read.
void TestWindowHints::aPickGoesStraightToTheSlotAndStartsAfresh()
{
    offerIdentity(window.get(), identityText(loopbackPump(0)));
    note()->setText(QStringLiteral("The pump holds every setting as written."));
    note()->show();
    auto *pumps = widget<QComboBox>("dropDownPumps");
    const QString selected = QStringLiteral("[MAIN_WINDOW] on_pump_selected () 0 selected.");
    chooseItem(pumps, 0);
    QVERIFY(!note()->isVisible());
    QCOMPARE(capture->lines().count(selected), 1);

    QCOMPARE(dropDownWiringFault(window.get()), QString());
    // The connection just broken was the only road from a pick to the slot.
    chooseItem(pumps, 0);
    QCOMPARE(capture->lines().count(selected), 1);
}

QTEST_MAIN(TestWindowHints)
#include "tst_windowhints.moc"
