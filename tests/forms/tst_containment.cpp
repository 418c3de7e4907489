#include "mainwindow.h"
#include "textfitcheck.h"
#include "windowlanguage.h"

#include <QApplication>
#include <QLayout>
#include <QtTest>

// No widget of the tool's window is cut off by its container: under DejaVu Sans, at
// the scale the run is given (QT_SCALE_FACTOR, 1 when unset), in every language the
// window speaks, each widget lies whole inside the widget that holds it, and each
// holder inside the window. A combo box pushed past its container's edge loses its
// arrow; a field, its right border. A translation's longer label pushes its row
// wider than in English.
class TestContainment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWidgetLiesWholeInItsContainer_data();
    void everyWidgetLiesWholeInItsContainer();
    void cleanup();
};

void TestContainment::initTestCase()
{
    QVERIFY2(dejaVuSansInstalled(), "DejaVu Sans is not installed (Debian: fonts-dejavu-core)");
}

void TestContainment::cleanup() { WindowLanguage::install(QLocale::c()); }

void TestContainment::everyWidgetLiesWholeInItsContainer_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("language");
    // The toolkit's own default size, and the one many desktops choose.
    for (const int size : { 9, 10 }) {
        for (const QString &language : QStringList("en") + WindowLanguage::available())
            QTest::addRow("DejaVu Sans %d, %s", size, qPrintable(language)) << size << language;
    }
}

void TestContainment::everyWidgetLiesWholeInItsContainer()
{
    QFETCH(int, pointSize);
    QFETCH(QString, language);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), pointSize));
    QVERIFY(WindowLanguage::install(QLocale(language)).startsWith(language.left(2)));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The scale this run was started for is the one the window is drawn at.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    QCOMPARE(window.devicePixelRatioF(), scale.isEmpty() ? 1.0 : scale.toDouble());

    QStringList cut;
    int checked = 0;
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        // The form's own widgets; the toolkit's inner parts ("qt_...") and the menus'
        // pop-ups are none of its layout.
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || widget->isWindow())
            continue;
        const QWidget *container = widget->parentWidget();
        const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (!container->rect().contains(widget->geometry()) || !window.rect().contains(inWindow))
            cut.append(QStringLiteral("%1 at (%2,%3 %4x%5) in %6 of %7x%8")
                           .arg(name)
                           .arg(widget->x())
                           .arg(widget->y())
                           .arg(widget->width())
                           .arg(widget->height())
                           .arg(container->objectName())
                           .arg(container->width())
                           .arg(container->height()));
        ++checked;
    }
    QVERIFY2(checked > 20, "the window's widgets were not found");
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestContainment)
#include "tst_containment.moc"
