#ifndef WINDOWTESTSUPPORT_H
#define WINDOWTESTSUPPORT_H

#include "pumpfixtures.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QMetaObject>
#include <QObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStringList>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

// Helpers for the tests that drive a tool's real window. Every window of the family
// has the same widget names where it has the widget at all, so the helpers take the
// window as a plain widget and reach everything by object name.

// A text value as the debug stream writes it in a log line.
inline QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// Picks an item the way a technician does: the window listens to activated() only,
// which a program's own setCurrentIndex() never raises.
inline void chooseItem(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// How the window wires its two drop-downs, read back from its connections: each
// one's activated(int) reaches its slot directly, by signature, exactly once. The
// check breaks the connections it finds, so it comes last on a window. "" when the
// wiring is so; otherwise what is not.
inline QString dropDownWiringFault(QWidget *window)
{
    const struct
    {
        const char *combo;
        const char *slot;
    } wanted[] = {
        { "dropDownConnection", SLOT(on_pump_connection_changed(int)) },
        { "dropDownPumps", SLOT(on_pump_selected(int)) },
    };
    for (const auto &wire : wanted) {
        auto *combo = window->findChild<QComboBox *>(QLatin1String(wire.combo));
        const QString name = QLatin1String(wire.combo);
        const QString slot = QLatin1String(wire.slot + 1); // behind SLOT()'s code digit
        if (!combo)
            return name + QStringLiteral(" is missing");
        if (!QObject::disconnect(combo, SIGNAL(activated(int)), window, wire.slot))
            return name + QStringLiteral(" activated(int) does not reach ") + slot;
        if (QObject::disconnect(combo, SIGNAL(activated(int)), window, wire.slot))
            return name + QStringLiteral(" activated(int) reaches ") + slot + " twice";
    }
    return QString();
}

// Replaces what a field holds by typing, key by key; an input mask decides what it
// makes of every key, as it does for the technician. A character outside ASCII has
// no key code of its own and arrives as a key event carrying its text, as an input
// method delivers it.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->clear();
    edit->setCursorPosition(0);
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(edit, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

// Hands the window a serial line as if the system had listed it at start-up (a
// pseudo-terminal is not among the ports the system enumerates) and chooses it in
// the connection box. Returns the item's index, or -1 when the window did not list it.
inline int chooseSerialLine(QWidget *window, const QString &path)
{
    auto *connection = window->findChild<QComboBox *>(QStringLiteral("dropDownConnection"));
    if (!connection)
        return -1;
    QMetaObject::invokeMethod(window, "on_serialPortFound", Q_ARG(QString, path));
    const int index = connection->findText(path);
    if (index > 0)
        chooseItem(connection, index);
    return index;
}

// An identity reply as the manager hands it on, without the broadcast a search
// would need (that path has tests of its own, inside the private network).
inline void offerIdentity(QWidget *window, const QString &identity)
{
    QMetaObject::invokeMethod(window, "on_IDAvailable", Q_ARG(QString, identity));
}

// What the named widgets show, one "name=value" item each: a combo box its current
// text, a line edit its text, a slider its value. A missing widget shows as "name?".
inline QStringList shownValues(const QWidget *window, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names) {
        QWidget *widget = window->findChild<QWidget *>(name);
        QString value = QStringLiteral("?");
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            value = combo->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            value = edit->text();
        else if (auto *slider = qobject_cast<QSlider *>(widget))
            value = QString::number(slider->value());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            value = button->text();
        shown.append(name + (widget ? QStringLiteral("=") + value : QStringLiteral("?")));
    }
    return shown;
}

// "name=enabled" or "name=disabled" for each named widget ("name?" when missing).
inline QStringList enabledStates(const QWidget *window, const QStringList &names)
{
    QStringList states;
    for (const QString &name : names) {
        QWidget *widget = window->findChild<QWidget *>(name);
        if (!widget)
            states.append(name + QStringLiteral("?"));
        else
            states.append(
                name
                + (widget->isEnabled() ? QStringLiteral("=enabled") : QStringLiteral("=disabled")));
    }
    return states;
}

// "name=<style sheet>" for each named widget ("name?" when missing).
inline QStringList styleSheets(const QWidget *window, const QStringList &names)
{
    QStringList sheets;
    for (const QString &name : names) {
        QWidget *widget = window->findChild<QWidget *>(name);
        sheets.append(widget ? name + QStringLiteral("=") + widget->styleSheet()
                             : name + QStringLiteral("?"));
    }
    return sheets;
}

// The same "name=..." items for a list of names, all with one value: the expected
// side of the comparisons above.
inline QStringList allWith(const QStringList &names, const QString &value)
{
    QStringList items;
    for (const QString &name : names)
        items.append(name + QStringLiteral("=") + value);
    return items;
}

// The four start-up banner lines whose every character is known to the test; the
// fifth carries the build date and time (see bannerDateLine).
inline QStringList bannerHead(const QString &applicationName)
{
    return {
        QStringLiteral("\"%1\" Application started.").arg(applicationName),
        QStringLiteral("Build Arch:  \"%1\" , Run Arch:  \"%2\"")
            .arg(QSysInfo::buildCpuArchitecture(), QSysInfo::currentCpuArchitecture()),
        QStringLiteral("Compiled with Qt Version:  %1").arg(QLatin1String(QT_VERSION_STR)),
        QStringLiteral("C++ Version:  %1").arg(__cplusplus),
    };
}

// "Date: ", the compiler's date (a one-digit day padded with a blank), " at ", hh:mm:ss.
inline QRegularExpression bannerDateLine()
{
    return QRegularExpression(
        QStringLiteral("^Date:  (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 1-3]\\d "
                       "\\d{4}  at  [0-2]\\d:[0-5]\\d:[0-5]\\d$"));
}

// A message box as the technician met it.
struct ShownMessage
{
    QString text;
    QString title;
    bool hasParent = false;
    QStringList buttons;
};

// Closes every modal message box as soon as it is up, and keeps what it said. The
// window opens its boxes with exec(), so the closing comes from this timer, which
// runs inside the box's own event loop; nothing ever waits for a human.
class MessageBoxCloser
{
public:
    MessageBoxCloser()
    {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &poll, [this] { closeActiveBox(); });
        poll.start();
    }

    QList<ShownMessage> shown() const { return messages; }
    QStringList texts() const
    {
        QStringList all;
        for (const ShownMessage &message : messages)
            all.append(message.text);
        return all;
    }

private:
    void closeActiveBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ShownMessage message;
        message.text = box->text();
        message.title = box->windowTitle();
        message.hasParent = box->parentWidget() != nullptr;
        for (QAbstractButton *button : box->buttons())
            message.buttons.append(button->text());
        messages.append(message);
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->accept();
    }

    QTimer poll;
    QList<ShownMessage> messages;
};

// Takes the place of the desktop's web browser while it exists.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// What every window test holds: the captured log, the simulated pumps and the tool's
// window, with the steps that set them up and take them down. A test class derives
// from QObject and from this; its initTestCase makes the capture, once the test
// framework has installed its own message handler.
template<class Window> class WindowTestFixture
{
protected:
    // A fresh simulator holding `pumps`, pump i under number i. The previous one goes
    // first: every simulator's pumps listen on the same port.
    bool startPumps(const QVector<SimulatedPumpConfig> &pumps)
    {
        sim.reset();
        sim = startSimulator(pumps);
        return sim != nullptr;
    }

    // A fresh window, shown; true once it is exposed.
    bool showWindow()
    {
        window = std::make_unique<Window>();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    void closeWindowAndPumps()
    {
        // The window first: its manager may still be pacing frames to the pumps.
        window.reset();
        sim.reset();
    }

    template<class T> T *widget(const char *name) const
    {
        return window->template findChild<T *>(QLatin1String(name));
    }
    QTimer *timer(const char *name) const { return widget<QTimer>(name); }

    // Replies the pump link has taken apart, whatever their value.
    int parsedReplies() const
    {
        const QString prefix = QStringLiteral("[PumpManager] parsePumpResponse () Command:");
        return capture->linesStartingWith(prefix).size();
    }

    // Picks a listed pump and waits until its read has brought `replies` answers.
    bool selectPump(int index, int replies)
    {
        const int before = parsedReplies();
        chooseItem(widget<QComboBox>("dropDownPumps"), index);
        return runUntil([&] { return parsedReplies() >= before + replies; }, 3000);
    }

    // Chooses the first pump's serial line and searches it, stopping the search's
    // timer so that nothing is selected yet; returns the line's path, or "" when the
    // pump did not end up in the list.
    QString listPumpOverSerialLine()
    {
        const QString line = sim->openSerialLine(0);
        if (line.isEmpty() || chooseSerialLine(window.get(), line) <= 0)
            return QString();
        QTest::mouseClick(widget<QPushButton>("btnSearch"), Qt::LeftButton);
        timer("searchTimer")->stop();
        auto *pumps = widget<QComboBox>("dropDownPumps");
        if (!runUntil([&] { return pumps->count() == 1; }, 1000))
            return QString();
        return line;
    }

    std::unique_ptr<LogCapture> capture;
    std::unique_ptr<PumpSimulatorThread> sim;
    std::unique_ptr<Window> window;
};

#endif // WINDOWTESTSUPPORT_H
