#include "mainwindow.h"
#include "windowlanguage.h"
#include "windowtestsupport.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

// Whatever language the window speaks, the pump hears the same bytes and the log
// says the same lines: a read, a submission that changes settings, the restart wait
// and the check of what the pump holds, over a serial line, as in English.
class TestWindowLanguages : public QObject, private WindowTestFixture<MainWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pumpAndLogHearEnglish_data();
    void pumpAndLogHearEnglish();
    void cleanup();
    void cleanupTestCase();

private:
    QByteArray englishBytes;
    QStringList englishLog;
};

void TestWindowLanguages::initTestCase() { capture = std::make_unique<LogCapture>(); }

void TestWindowLanguages::cleanup()
{
    closeWindowAndPumps();
    WindowLanguage::install(QLocale::c());
}

void TestWindowLanguages::cleanupTestCase() { capture.reset(); }

void TestWindowLanguages::pumpAndLogHearEnglish_data()
{
    QTest::addColumn<QString>("language");
    // English first: it is what every other language is held to.
    for (const QString &language : QStringList("en") + WindowLanguage::available())
        QTest::newRow(qPrintable(language)) << language;
}

void TestWindowLanguages::pumpAndLogHearEnglish()
{
    QFETCH(QString, language);
    const bool english = language == QLatin1String("en");
    QVERIFY(english || !englishLog.isEmpty());
    QVERIFY(WindowLanguage::install(QLocale(language)).startsWith(language.left(2)));
    QVERIFY(startPumps({ loopbackPump(0) }));
    capture->clear();
    QVERIFY(showWindow());
    QVERIFY(english || widget<QPushButton>("btnSubmit")->text() != QLatin1String("Submit"));

    // The lone pump is found and read over the line.
    const QString line = listPumpOverSerialLine();
    QVERIFY(!line.isEmpty());
    const int identities = parsedReplies();
    QMetaObject::invokeMethod(window.get(), "on_search_timeout");
    QVERIFY(runUntil([&] { return parsedReplies() == identities + 13; }, 3000));

    // The assignment chosen in the window's words, a switch turned off, submitted.
    chooseItem(widget<QComboBox>("dropDownNAM"), 1);
    QTest::keyClick(widget<QSlider>("tnSlider"), Qt::Key_Left);
    QTest::mouseClick(widget<QPushButton>("btnSubmit"), Qt::LeftButton);
    QVERIFY(timer("restartTimer")->isActive());
    timer("restartTimer")->stop();
    const QByteArray written = sim->serialBytes();
    QVERIFY(written.contains("\x02NAM,Static\r"));
    QVERIFY(written.contains("\x02NTN,Off\r\r"));

    // The wait ends, the pump is read again and holds what was written.
    const QString judged
        = QStringLiteral("[MAIN_WINDOW] compareWithWritten () Every setting as written.");
    QMetaObject::invokeMethod(window.get(), "on_submit_timeout");
    QVERIFY(runUntil([&] { return capture->lines().contains(judged); }, 5000));

    QStringList log = capture->lines();
    log.replaceInStrings(line, QStringLiteral("<line>"));
    if (english) {
        englishBytes = sim->serialBytes();
        englishLog = log;
        return;
    }
    QCOMPARE(sim->serialBytes().toHex(' '), englishBytes.toHex(' '));
    QCOMPARE(log, englishLog);
}

QTEST_MAIN(TestWindowLanguages)
#include "tst_windowlanguages.moc"
