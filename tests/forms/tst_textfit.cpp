#include "mainwindow.h"
#include "textfitcheck.h"
#include "textfitter.h"
#include "ui_mainwindow.h"
#include "windowlanguage.h"
#include "windowmessages.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QtTest>

// Every text of the tool's window is shown whole under the font Linux desktops give
// it, DejaVu Sans, in every language the window speaks, without a widget moving: the
// window is compared with its bare form, which shows the same widgets where the form
// puts them.
class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();
    void cleanup();

private:
    static QMap<QString, QRect> placesOf(const QWidget *window);
    static QStringList tooSmallTexts(const QWidget *window);
    static QMap<QString, int> fieldWidths(const QWidget *window);
};

void TestTextFit::initTestCase()
{
    QVERIFY2(dejaVuSansInstalled(), "DejaVu Sans is not installed (Debian: fonts-dejavu-core)");
    // Chinese is drawn in a font of its own, which the desktop falls back to.
    QVERIFY2(!QFontDatabase().families(QFontDatabase::SimplifiedChinese).isEmpty(),
             "No font for Chinese is installed (Debian: fonts-wqy-microhei or fonts-noto-cjk)");
}

void TestTextFit::cleanup() { WindowLanguage::install(QLocale::c()); }

void TestTextFit::everyTextShowsWhole_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("language");
    // The toolkit's own default size, and the one many desktops choose.
    for (const int size : { 9, 10 }) {
        for (const QString &language : QStringList("en") + WindowLanguage::available())
            QTest::addRow("DejaVu Sans %d, %s", size, qPrintable(language)) << size << language;
    }
}

// Every text the fitter made smaller than the legible size: the English form has
// its smallest text, the UTC offset's label, at that size, and a translation may
// need no smaller one.
QStringList TestTextFit::tooSmallTexts(const QWidget *window)
{
    constexpr qreal legiblePointSize = 7.5;
    QStringList tooSmall;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if ((qobject_cast<const QLabel *>(widget) || qobject_cast<const QPushButton *>(widget))
            && !textOf(widget).isEmpty() && widget->font().pointSizeF() < legiblePointSize)
            tooSmall.append(QStringLiteral("%1 \"%2\" at %3 pt")
                                .arg(widget->objectName(), textOf(widget))
                                .arg(widget->font().pointSizeF()));
    }
    return tooSmall;
}

QMap<QString, int> TestTextFit::fieldWidths(const QWidget *window)
{
    QMap<QString, int> widths;
    const QList<QLineEdit *> edits = window->findChildren<QLineEdit *>();
    for (const QLineEdit *edit : edits)
        widths.insert(edit->objectName(), edit->width());
    return widths;
}

QMap<QString, QRect> TestTextFit::placesOf(const QWidget *window)
{
    QMap<QString, QRect> places;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        // The form's own widgets; the toolkit's inner parts ("qt_...") come and go.
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            places.insert(widget->objectName(),
                          QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()));
    }
    return places;
}

void TestTextFit::everyTextShowsWhole()
{
    QFETCH(int, pointSize);
    QFETCH(QString, language);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), pointSize));
    QMap<QString, int> englishWidths;
    {
        MainWindow english;
        english.show();
        QVERIFY(QTest::qWaitForWindowExposed(&english));
        englishWidths = fieldWidths(&english);
    }
    WindowLanguage::install(QLocale(language));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));

    QMainWindow bare;
    Ui::MainWindow form;
    form.setupUi(&bare);
    bare.setFixedSize(bare.size());
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bare));
    // The bare form cuts the wait overlay's English message: the check sees a cut text.
    if (language == QLatin1String("en"))
        QVERIFY(!clippedText(form.labelSpinner_text).isEmpty());

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), bare.size());
    const QMap<QString, QRect> bareplaces = placesOf(&bare);
    const QMap<QString, QRect> places = placesOf(&window);
    for (auto it = bareplaces.cbegin(); it != bareplaces.cend(); ++it)
        QVERIFY2(places.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(clippedTexts(&window), QStringList());
    QVERIFY2(tooSmallTexts(&window).isEmpty(), qPrintable(tooSmallTexts(&window).join(" | ")));
    // A longer label takes its room from the field beside it: a translation may take
    // a little, never so much that an address no longer shows whole.
    const QMap<QString, int> widths = fieldWidths(&window);
    for (auto it = englishWidths.cbegin(); it != englishWidths.cend(); ++it)
        QVERIFY2(widths.value(it.key()) * 10 >= it.value() * 9,
                 qPrintable(QStringLiteral("%1 is %2 px wide, in English %3")
                                .arg(it.key())
                                .arg(widths.value(it.key()))
                                .arg(it.value())));

    // The note below Submit and Reset covers nothing of the form.
    auto *note = window.findChild<QLabel *>(QStringLiteral("labelNote"));
    QVERIFY(note);
    const QRect noteRect = places.value(QStringLiteral("labelNote"));
    for (auto it = bareplaces.cbegin(); it != bareplaces.cend(); ++it) {
        const QWidget *widget = bare.findChild<QWidget *>(it.key());
        if (widget && widget->isVisible() && !widget->findChild<QWidget *>()
            && it.key() != QLatin1String("menuBar"))
            QVERIFY2(!it.value().intersects(noteRect), qPrintable(it.key()));
    }
    QVERIFY(window.rect().contains(noteRect));

    // The texts the window sets as it runs.
    auto *overlay = window.findChild<QLabel *>(QStringLiteral("labelSpinner_text"));
    const QStringList notes
        = { WindowMessages::settingsConfirmed(), WindowMessages::settingsNotRead(13, 13),
            WindowMessages::settingsNotRead(12, 13) };
    for (const QString &text : notes) {
        WindowMessages::showNote(note, text);
        QCOMPARE(clippedText(note), QString());
    }
    overlay->setText(WindowMessages::waitingForPump());
    TextFitter::fit(overlay);
    QCOMPARE(clippedText(overlay), QString());
    QVERIFY2(tooSmallTexts(&window).isEmpty(), qPrintable(tooSmallTexts(&window).join(" | ")));
    auto *search = window.findChild<QPushButton *>(QStringLiteral("btnSearch"));
    search->setText(QCoreApplication::translate("MainWindow", "Searching..."));
    QCOMPARE(clippedText(search), QString());
    auto *pumps = window.findChild<QComboBox *>(QStringLiteral("dropDownPumps"));
    pumps->setPlaceholderText(WindowMessages::noPumpAnswered());
    QCOMPARE(clippedText(pumps), QString());
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
