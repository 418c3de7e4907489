#ifndef PUMPWINDOW_H
#define PUMPWINDOW_H

#include "pumpmanager.h"
#include "pumpmodel.h"

#include <QMainWindow>
#include <QTimer>
#include <QVector>
#include <memory>

class QComboBox;
class QLabel;
class QMovie;
class QPushButton;

// How a form shows one setting and turns it back into text for the pump.
enum class FieldKind {
    Assignment, // combo box: "DHCP" or "Static"
    Address, // masked IPv4 field, validated and marked red when wrong
    Text, // masked digits, sent as typed
    Switch, // on/off slider
    Key, // free text that is a secret: never written to the log
};

struct FormField
{
    const char *mnemonic;
    FieldKind kind;
    QWidget *editor;
};

// The widgets every window of the family has; a window without a browser button
// leaves `browser` null.
struct WindowWidgets
{
    QComboBox *connection = nullptr;
    QPushButton *search = nullptr;
    QComboBox *pumpList = nullptr;
    QPushButton *browser = nullptr;
    QPushButton *submit = nullptr;
    QPushButton *reset = nullptr;
    QLabel *spinner = nullptr;
    QLabel *spinnerText = nullptr;
};

// Every form names these widgets alike; only the connection-key form has no
// browser button, so it is handed in separately.
template<class Form> WindowWidgets formWidgets(Form *form, QPushButton *browser)
{
    WindowWidgets widgets;
    widgets.connection = form->dropDownConnection;
    widgets.search = form->btnSearch;
    widgets.pumpList = form->dropDownPumps;
    widgets.browser = browser;
    widgets.submit = form->btnSubmit;
    widgets.reset = form->btnReset;
    widgets.spinner = form->labelSpinner;
    widgets.spinnerText = form->labelSpinner_text;
    return widgets;
}

// The behaviour the three windows share: connection choice, search, the pump list,
// selection, the browser, submission with its restart wait, and the form states.
// Each program's MainWindow derives from it, declares its own slots (which the
// connections and timers here reach by name) and describes its form as data.
class PumpWindow : public QMainWindow
{
public:
    static constexpr int searchTimeMs = 3000;
    static constexpr int restartTimeMs = 15000;

protected:
    explicit PumpWindow(QWidget *parent = nullptr);
    ~PumpWindow() override;

    // Fixes the window's size and flags, writes the start-up banner with the
    // program's own build date and time, and registers the record type.
    void prepareWindow(const char *buildDate, const char *buildTime);
    // Takes the form's description, locks it, wires the two combo boxes, lists the
    // serial ports and prepares the spinner. Call after the manager's signals are
    // connected, so that the serial ports reach the connection box.
    void attachForm(const WindowWidgets &widgets, const QVector<FormField> &fields);

    void resetForm();
    void enableForm();
    void disableForm();

    void addSerialPort(const QString &portName);
    void changeConnection(int index);
    void startSearch();
    void endSearch();
    void addPump(const QString &identityText);
    void selectPump(int idx);
    void openPumpPage();
    void showSetting(QWidget *editor, const QString &value);
    void submitSettings();
    void endRestartWait();
    void reloadSettings();

    int findPump(const std::string &name) const;

    PumpManager pumpManager;
    QVector<PUMP_MODEL_T> pumps;

private:
    bool readForm(PUMP_MODEL_T *pump);
    void rememberNewAddress(const PUMP_MODEL_T &written);
    void setMarkingCleared();

    WindowWidgets widgets;
    QVector<FormField> fields;
    std::unique_ptr<QMovie> spinner;
    QTimer searchTimer;
    QTimer restartTimer;
};

#endif // PUMPWINDOW_H
