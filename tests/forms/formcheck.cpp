#include "formcheck.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>

WantedWidget &WantedWidget::at(int x, int y, int width, int height)
{
    return at(QRect(x, y, width, height));
}

WantedWidget &WantedWidget::at(const QRect &rect)
{
    geometry = rect;
    return *this;
}

WantedWidget &WantedWidget::withText(const QString &value)
{
    text = value;
    return *this;
}

WantedWidget &WantedWidget::withItems(const QStringList &value)
{
    items = value;
    return *this;
}

WantedWidget &WantedWidget::withMask(const QString &mask, int maximumLength)
{
    inputMask = mask;
    maxLength = maximumLength;
    return *this;
}

WantedWidget &WantedWidget::minSize(int width, int height)
{
    minimumSize = QSize(width, height);
    return *this;
}

WantedWidget &WantedWidget::minWidth(int width)
{
    minimumSize.setWidth(width);
    return *this;
}

WantedWidget &WantedWidget::maxSize(int width, int height)
{
    maximumSize = QSize(width, height);
    return *this;
}

WantedWidget &WantedWidget::maxWidth(int width)
{
    maximumSize.setWidth(width);
    return *this;
}

WantedWidget &WantedWidget::maxHeight(int height)
{
    maximumSize.setHeight(height);
    return *this;
}

WantedWidget &WantedWidget::fixed(int width, int height)
{
    return minSize(width, height).maxSize(width, height);
}

WantedWidget &WantedWidget::withFont(int points, int fontWeight)
{
    pointSize = points;
    weight = fontWeight;
    return *this;
}

WantedWidget &WantedWidget::withStyle(const QString &value)
{
    styleSheet = value;
    return *this;
}

WantedWidget widget(const char *name, const char *className, const char *parent)
{
    WantedWidget wanted;
    wanted.name = QString::fromLatin1(name);
    wanted.className = QString::fromLatin1(className);
    wanted.parent = QString::fromLatin1(parent);
    return wanted;
}

namespace {

// An IPv4 address in four groups of up to three digits.
const QString addressMask = QStringLiteral("000.000.000.000");

// Every box layout of these forms sits flush with its container: no margins.
WantedLayout boxLayout(const QString &name, const QString &className, const QString &parent,
                       int spacing, const QStringList &contents)
{
    return WantedLayout { name, className, parent, spacing, QMargins(), contents };
}

} // namespace

void WantedForm::addWindow()
{
    widgets << widget("centralWidget", "QWidget", "MainWindow")
            << widget("menuBar", "QMenuBar", "MainWindow").at(0, 0, 658, 21);
}

void WantedForm::addLogo()
{
    // The logo is drawn as the label's background, so the label has no text of its own.
    widgets << widget("brandLogo", "QLabel", "centralWidget")
                   .at(20, 20, 285, 45)
                   .minSize(285, 45)
                   .withStyle(
                       QStringLiteral("background-image: url(:/images/brand-logo-email.png);\n"));
}

void WantedForm::addConnectionGroup(const char *container, const QRect &geometry)
{
    widgets << widget(container, "QWidget", "centralWidget").at(geometry)
            << widget("label_9", "QLabel", container).withText(QStringLiteral("Connection"))
            << widget("dropDownConnection", "QComboBox", container)
                   .withItems({ QStringLiteral("Ethernet") })
                   .minSize(125, 23);
    layouts << boxLayout(QStringLiteral("verticalLayout_3"), QStringLiteral("QVBoxLayout"),
                         QString::fromLatin1(container), 6, { QStringLiteral("horizontalLayout") })
            << boxLayout(QStringLiteral("horizontalLayout"), QStringLiteral("QHBoxLayout"),
                         QStringLiteral("verticalLayout_3"), 6,
                         { QStringLiteral("label_9"), QStringLiteral("dropDownConnection") });
}

void WantedForm::addSearchGroup(const char *container, const QRect &geometry)
{
    widgets << widget(container, "QWidget", "centralWidget").at(geometry)
            << widget("btnSearch", "QPushButton", container)
                   .withText(QStringLiteral("Search Pumps"))
                   .minWidth(130)
            << widget("label_14", "QLabel", container).withText(QStringLiteral("Pump")).withFont(8)
            // A minimum width above the maximum is how the box is drawn: a little over 300 x 20.
            << widget("dropDownPumps", "QComboBox", container)
                   .minWidth(318)
                   .maxSize(300, 20)
                   .withFont(10);
    layouts << boxLayout(QStringLiteral("horizontalLayout_13"), QStringLiteral("QHBoxLayout"),
                         QString::fromLatin1(container), 28,
                         { QStringLiteral("btnSearch"), QStringLiteral("horizontalLayout_11") })
            << boxLayout(QStringLiteral("horizontalLayout_11"), QStringLiteral("QHBoxLayout"),
                         QStringLiteral("horizontalLayout_13"), 0,
                         { QStringLiteral("label_14"), QStringLiteral("dropDownPumps") });
}

void WantedForm::addButtonGroup()
{
    widgets << widget("layoutWidget", "QWidget", "centralWidget").at(249, 410, 164, 32)
            << widget("btnSubmit", "QPushButton", "layoutWidget").withText(QStringLiteral("Submit"))
            << widget("btnReset", "QPushButton", "layoutWidget").withText(QStringLiteral("Reset"));
    layouts << boxLayout(QStringLiteral("horizontalLayout_14"), QStringLiteral("QHBoxLayout"),
                         QStringLiteral("layoutWidget"), 6,
                         { QStringLiteral("btnSubmit"), QStringLiteral("btnReset") });
}

void WantedForm::addBrowserButton()
{
    widgets << widget("btnBrowser", "QPushButton", "centralWidget")
                   .at(220, 170, 187, 23)
                   .withText(QStringLiteral("Set Up From Browser"))
                   .minSize(0, 23);
}

void WantedForm::addAddressFields(const char *container)
{
    widgets << widget("label", "QLabel", container).withText(QStringLiteral("IP Assignment"))
            << widget("dropDownNAM", "QComboBox", container)
                   .withItems({ QStringLiteral("DHCP"), QStringLiteral("Static") })
                   .minWidth(125)
            << widget("label_2", "QLabel", container)
                   .withText(QStringLiteral("IPv4 Address"))
                   .maxHeight(35)
            << widget("lineEdit_NIP", "QLineEdit", container).withMask(addressMask)
            << widget("label_5", "QLabel", container)
                   .withText(QStringLiteral("Subnet Mask"))
                   .maxHeight(35)
            << widget("lineEdit_NSM", "QLineEdit", container).withMask(addressMask);
}

void WantedForm::addGatewayFields(const char *container)
{
    widgets << widget("label_6", "QLabel", container)
                   .withText(QStringLiteral("Default Gateway"))
                   .maxHeight(35)
            << widget("lineEdit_NDG", "QLineEdit", container).withMask(addressMask)
            << widget("label_7", "QLabel", container)
                   .withText(QStringLiteral("DNS Server 1"))
                   .maxHeight(35)
            << widget("lineEdit_ND1", "QLineEdit", container).withMask(addressMask)
            << widget("label_8", "QLabel", container)
                   .withText(QStringLiteral("DNS Server 2"))
                   .maxHeight(35)
            << widget("lineEdit_ND2", "QLineEdit", container).withMask(addressMask);
}

void WantedForm::addOverlay(const QRect &textGeometry)
{
    widgets << widget("labelSpinner", "QLabel", "centralWidget").at(300, 201, 66, 66).fixed(66, 66)
            << widget("labelSpinner_text", "QLabel", "centralWidget")
                   .at(textGeometry)
                   .withText(QStringLiteral("Settings saved. Please wait. \n"
                                            "Pump restarting in 15 seconds..."))
                   .withFont(12, QFont::Bold)
                   .withStyle(QStringLiteral("background-color: rgb(255, 255, 255)"));
}

void WantedForm::addRows(const char *container, const char *layout, const QRect &geometry,
                         const QVector<QStringList> &rows)
{
    widgets << widget(container, "QWidget", "centralWidget").at(geometry);
    WantedLayout column = boxLayout(QString::fromLatin1(layout), QStringLiteral("QVBoxLayout"),
                                    QString::fromLatin1(container), 6, {});
    for (const QStringList &row : rows) {
        column.contents << row.first();
        layouts << boxLayout(row.first(), QStringLiteral("QHBoxLayout"), column.name, 6,
                             row.mid(1));
    }
    layouts << column;
}

namespace {

// Literal characters of an input mask (the dots of an address) stay in text(); only the
// positions the user fills say whether a field holds anything.
QString withoutMaskLiterals(QString text, const QString &mask)
{
    static const QString maskCharacters = QStringLiteral("AaNnXx90Dd#HhBb<>!");
    for (const QChar c : mask.section(QLatin1Char(';'), 0, 0)) {
        if (!maskCharacters.contains(c))
            text.remove(c);
    }
    return text;
}

QString textOf(const QWidget *w)
{
    if (auto label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (auto edit = qobject_cast<const QLineEdit *>(w))
        return withoutMaskLiterals(edit->text(), edit->inputMask());
    return QString();
}

QStringList itemsOf(const QWidget *w)
{
    QStringList items;
    if (auto combo = qobject_cast<const QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    }
    return items;
}

// Lists what one side has and the other lacks, counting repeats, so a failure names the culprit.
QByteArray differences(QStringList actual, QStringList expected)
{
    QStringList extra;
    for (const QString &name : qAsConst(actual)) {
        if (!expected.removeOne(name))
            extra << name;
    }
    QByteArray report;
    if (!extra.isEmpty())
        report += "unexpected: " + extra.join(QLatin1String(", ")).toUtf8() + "; ";
    if (!expected.isEmpty())
        report += "missing: " + expected.join(QLatin1String(", ")).toUtf8();
    return report;
}

// The toolkit builds helpers of its own: a combo box its pop-up list, a menu bar its extension
// button (named "qt_..."). The form names every object it creates itself.
bool isToolkitInternal(const QObject *object)
{
    if (object->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QObject *o = object->parent(); o; o = o->parent()) {
        if (qobject_cast<const QComboBox *>(o))
            return true;
    }
    return false;
}

QString nameOf(QLayoutItem *item)
{
    if (item->widget())
        return item->widget()->objectName();
    if (item->layout())
        return item->layout()->objectName();
    return QStringLiteral("<spacer>");
}

// Records every text the form asks to have translated, and translates none.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        requests << QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(sourceText);
        return QString();
    }

    bool isEmpty() const override { return false; }

    mutable QStringList requests;
};

QtMessageHandler previousHandler = nullptr;

// The logo's picture is compiled into the programs, not into these checks, so the style sheet
// cannot load it here; that says nothing about the form.
void dropMissingLogoWarning(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    if (type == QtWarningMsg
        && message == QLatin1String("Could not create pixmap from :/images/brand-logo-email.png"))
        return;
    previousHandler(type, context, message);
}

} // namespace

FormCheck::FormCheck(const WantedForm &wanted, FormStep setupUi, FormStep retranslateUi)
    : wanted(wanted)
    , setupUi(std::move(setupUi))
    , retranslateUi(std::move(retranslateUi))
{ }

void FormCheck::initTestCase() { previousHandler = qInstallMessageHandler(dropMissingLogoWarning); }

void FormCheck::cleanupTestCase() { qInstallMessageHandler(previousHandler); }

void FormCheck::init()
{
    form = new QMainWindow;
    setupUi(form);
}

void FormCheck::cleanup()
{
    delete form;
    form = nullptr;
}

void FormCheck::window()
{
    QCOMPARE(form->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(form->windowTitle(), wanted.title);
    QCOMPARE(form->size(), QSize(658, 485));
    QCOMPARE(form->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(form->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(form->styleSheet(), QString());
    // The window shows the program's own icon, so the form must not set one.
    QVERIFY(!form->testAttribute(Qt::WA_SetWindowIcon));
    QVERIFY(form->centralWidget());
    QCOMPARE(form->centralWidget()->objectName(), QStringLiteral("centralWidget"));
    auto bar = qobject_cast<QMenuBar *>(form->menuWidget());
    QVERIFY(bar);
    QCOMPARE(bar->objectName(), QStringLiteral("menuBar"));
    QVERIFY(bar->actions().isEmpty());
    QVERIFY(form->findChildren<QToolBar *>().isEmpty());
    QVERIFY(form->findChildren<QStatusBar *>().isEmpty());
}

void FormCheck::widgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("inputMask");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QSize>("minimumSize");
    QTest::addColumn<QSize>("maximumSize");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("styleSheet");
    for (const WantedWidget &w : qAsConst(wanted.widgets)) {
        QTest::newRow(qPrintable(w.name))
            << w.name << w.className << w.parent << w.geometry << w.text << w.items << w.inputMask
            << w.maxLength << w.minimumSize << w.maximumSize << w.pointSize << w.weight
            << w.styleSheet;
    }
}

void FormCheck::widgets()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QFETCH(QString, inputMask);
    QFETCH(int, maxLength);
    QFETCH(QSize, minimumSize);
    QFETCH(QSize, maximumSize);
    QFETCH(int, pointSize);
    QFETCH(int, weight);
    QFETCH(QString, styleSheet);

    QWidget *w = form->findChild<QWidget *>(name);
    QVERIFY2(w, "no such widget");
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    QVERIFY(w->parentWidget());
    QCOMPARE(w->parentWidget()->objectName(), parent);
    if (!geometry.isNull())
        QCOMPARE(w->geometry(), geometry);
    QCOMPARE(textOf(w), text);
    QCOMPARE(itemsOf(w), items);
    if (auto edit = qobject_cast<QLineEdit *>(w)) {
        QCOMPARE(edit->inputMask(), inputMask);
        // A mask limits the text to its own positions.
        const int limit = maxLength >= 0 ? maxLength
            : inputMask.isEmpty()        ? 32767
                                         : inputMask.size();
        QCOMPARE(edit->maxLength(), limit);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QVERIFY(!edit->validator());
        QVERIFY(edit->placeholderText().isEmpty());
    } else {
        QVERIFY2(inputMask.isEmpty() && maxLength < 0, "only line edits take masks");
    }
    QCOMPARE(w->minimumSize(), minimumSize);
    QCOMPARE(w->maximumSize(), maximumSize);
    if (pointSize < 0) {
        QVERIFY2(!w->testAttribute(Qt::WA_SetFont), "font set where the default belongs");
    } else {
        QVERIFY(w->testAttribute(Qt::WA_SetFont));
        QCOMPARE(w->font().pointSize(), pointSize);
        QCOMPARE(w->font().weight(), weight);
    }
    QCOMPARE(w->styleSheet(), styleSheet);
    QVERIFY(w->toolTip().isEmpty());
    QVERIFY(!w->autoFillBackground());
    // Locking the form is the window's business; the form itself enables everything.
    QVERIFY(w->isEnabled());
}

void FormCheck::noOtherWidgets()
{
    QStringList expected;
    for (const WantedWidget &w : qAsConst(wanted.widgets))
        expected << w.name;
    QStringList actual;
    const QList<QWidget *> children = form->findChildren<QWidget *>();
    for (const QWidget *w : children) {
        if (!isToolkitInternal(w))
            actual << w->objectName();
    }
    const QByteArray report = differences(actual, expected);
    QVERIFY2(report.isEmpty(), report.constData());
}

void FormCheck::layouts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<QStringList>("contents");
    for (const WantedLayout &l : qAsConst(wanted.layouts)) {
        QTest::newRow(qPrintable(l.name))
            << l.name << l.className << l.parent << l.spacing << l.margins << l.contents;
    }
}

void FormCheck::layouts()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(int, spacing);
    QFETCH(QMargins, margins);
    QFETCH(QStringList, contents);

    QLayout *layout = form->centralWidget()->findChild<QLayout *>(name);
    QVERIFY2(layout, "no such layout");
    QCOMPARE(QString::fromLatin1(layout->metaObject()->className()), className);
    QVERIFY(layout->parent());
    QCOMPARE(layout->parent()->objectName(), parent);
    QCOMPARE(layout->spacing(), spacing);
    QCOMPARE(layout->contentsMargins(), margins);
    QStringList actual;
    for (int i = 0; i < layout->count(); ++i)
        actual << nameOf(layout->itemAt(i));
    QCOMPARE(actual, contents);
}

void FormCheck::noOtherLayouts()
{
    QStringList expected;
    for (const WantedLayout &l : qAsConst(wanted.layouts))
        expected << l.name;
    QStringList actual;
    const QList<QLayout *> found = form->centralWidget()->findChildren<QLayout *>();
    for (const QLayout *l : found) {
        if (!isToolkitInternal(l))
            actual << l->objectName();
    }
    const QByteArray report = differences(actual, expected);
    QVERIFY2(report.isEmpty(), report.constData());
}

void FormCheck::zOrder()
{
    QStringList stack;
    const QObjectList children = form->centralWidget()->children();
    for (const QObject *child : children) {
        if (child->isWidgetType())
            stack << child->objectName();
    }
    QVERIFY(stack.size() >= wanted.raisedLast.size());
    QCOMPARE(stack.mid(stack.size() - wanted.raisedLast.size()), wanted.raisedLast);
}

void FormCheck::switches_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pageStep");
    for (const WantedSwitch &s : qAsConst(wanted.switches))
        QTest::newRow(qPrintable(s.name)) << s.name << s.minimum << s.maximum << s.pageStep;
}

void FormCheck::switches()
{
    if (wanted.switches.isEmpty())
        QSKIP("This window has no on/off switches.");
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, pageStep);

    auto slider = form->findChild<QSlider *>(name);
    QVERIFY2(slider, "no such slider");
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), minimum);
    QCOMPARE(slider->maximum(), maximum);
    QCOMPARE(slider->pageStep(), pageStep);
    QCOMPARE(slider->value(), minimum);
    // Clicking beside the handle can only flip the switch, never go past "on".
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(slider->value(), maximum);
}

void FormCheck::typing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    for (const WantedTyping &t : qAsConst(wanted.typing))
        QTest::newRow(qPrintable(t.name + QLatin1Char(' ') + t.typed))
            << t.name << t.typed << t.text;
}

void FormCheck::typing()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, text);

    auto edit = form->findChild<QLineEdit *>(name);
    QVERIFY2(edit, "no such line edit");
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), text);
}

void FormCheck::textsAreTranslatable()
{
    QStringList expected { QStringLiteral("MainWindow|") + wanted.title };
    for (const WantedWidget &w : qAsConst(wanted.widgets)) {
        QStringList texts = w.items;
        texts << w.text << w.inputMask;
        for (const QString &text : qAsConst(texts)) {
            if (!text.isEmpty())
                expected << QStringLiteral("MainWindow|") + text;
        }
    }

    RecordingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    // Installing asks the application for its own texts; only the form's requests count.
    translator.requests.clear();
    retranslateUi(form);
    QCoreApplication::removeTranslator(&translator);

    const QByteArray report = differences(translator.requests, expected);
    QVERIFY2(report.isEmpty(), report.constData());
}
