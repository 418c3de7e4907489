#ifndef FORMCHECK_H
#define FORMCHECK_H

#include <QApplication>
#include <QMainWindow>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVector>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(QMargins)

namespace QTest {
template<> inline char *toString(const QMargins &m)
{
    return qstrdup(QByteArray::number(m.left()) + ", " + QByteArray::number(m.top()) + ", "
                   + QByteArray::number(m.right()) + ", " + QByteArray::number(m.bottom()));
}
} // namespace QTest

// One named widget of a tool window as the form must build it. Anything not given keeps the
// toolkit's default, and the check insists on that default too, so a stray property fails.
struct WantedWidget
{
    QString name;
    QString className;
    QString parent;
    QRect geometry; // only for widgets placed at a fixed rectangle; null when a layout places it
    QString text;
    QStringList items;
    QString inputMask;
    int maxLength = -1; // -1: no limit of its own (the toolkit's default, or the mask's length)
    QSize minimumSize = QSize(0, 0);
    QSize maximumSize = QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    int pointSize = -1; // -1: the toolkit's default font
    int weight = QFont::Normal;
    QString styleSheet;

    WantedWidget &at(int x, int y, int width, int height);
    WantedWidget &at(const QRect &rect);
    WantedWidget &withText(const QString &value);
    WantedWidget &withItems(const QStringList &value);
    WantedWidget &withMask(const QString &mask, int maximumLength = -1);
    WantedWidget &minSize(int width, int height);
    WantedWidget &minWidth(int width);
    WantedWidget &maxSize(int width, int height);
    WantedWidget &maxWidth(int width);
    WantedWidget &maxHeight(int height);
    WantedWidget &fixed(int width, int height);
    WantedWidget &withFont(int points, int fontWeight = QFont::Normal);
    WantedWidget &withStyle(const QString &value);
};

WantedWidget widget(const char *name, const char *className, const char *parent);

// A box layout: its owner (container widget or enclosing layout) and what it arranges, in order.
struct WantedLayout
{
    QString name;
    QString className;
    QString parent;
    int spacing;
    QMargins margins;
    QStringList contents;
};

// An on/off switch: a slider that can only be 0 or 1.
struct WantedSwitch
{
    QString name;
    int minimum;
    int maximum;
    int pageStep;
};

// What typing into a field leaves in it.
struct WantedTyping
{
    QString name;
    QString typed;
    QString text;
};

struct WantedForm
{
    QString title;
    QVector<WantedWidget> widgets;
    QVector<WantedLayout> layouts;
    QVector<WantedSwitch> switches;
    QVector<WantedTyping> typing;
    QStringList raisedLast; // the last children of the central widget, bottom to top

    // Groups every tool window shares; only their container names and some rectangles differ.
    void addWindow();
    void addLogo();
    void addConnectionGroup(const char *container, const QRect &geometry);
    void addSearchGroup(const char *container, const QRect &geometry);
    void addButtonGroup();
    void addBrowserButton();
    // The address fields with their labels, in a container that addRows has laid out:
    // how the pump's address is assigned, the address and its mask; then its gateway and
    // its two name servers. Both tools that show them build them alike.
    void addAddressFields(const char *container);
    void addGatewayFields(const char *container);
    void addOverlay(const QRect &textGeometry);
    // A vertical container of label/editor rows; each row is {layout, label, label text, editor}.
    void addRows(const char *container, const char *layout, const QRect &geometry,
                 const QVector<QStringList> &rows);
};

class FormCheck : public QObject
{
    Q_OBJECT

public:
    using FormStep = std::function<void(QMainWindow *)>;

    FormCheck(const WantedForm &wanted, FormStep setupUi, FormStep retranslateUi);

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void window();
    void widgets_data();
    void widgets();
    void noOtherWidgets();
    void layouts_data();
    void layouts();
    void noOtherLayouts();
    void zOrder();
    void switches_data();
    void switches();
    void typing_data();
    void typing();
    void textsAreTranslatable();

private:
    WantedForm wanted;
    FormStep setupUi;
    FormStep retranslateUi;
    QMainWindow *form = nullptr;
};

// Each form generates its own Ui::MainWindow, so each form is checked by its own executable.
template<typename Ui> int runFormCheck(int argc, char **argv, const WantedForm &wanted)
{
    QApplication app(argc, argv);
    Ui ui;
    FormCheck check(
        wanted, [&ui](QMainWindow *window) { ui.setupUi(window); },
        [&ui](QMainWindow *window) { ui.retranslateUi(window); });
    return QTest::qExec(&check, argc, argv);
}

#endif // FORMCHECK_H
