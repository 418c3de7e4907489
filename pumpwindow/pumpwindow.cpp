#include "pumpwindow.h"

#include "addressfield.h"
#include "commandset.h"
#include "identity.h"
#include "windowlog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QSlider>
#include <QSysInfo>
#include <QUrl>

namespace {

const QString unmarkedStyle = QStringLiteral("QLineEdit {}");
const QString markedStyle = QStringLiteral("QLineEdit {color: red;}");
// The pump takes the value up to the CR; the switch texts carry one of their own.
const QString switchOn = QStringLiteral("On\r");
const QString switchOff = QStringLiteral("Off\r");

QString windowText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString PUMP_MODEL_T::*recordField(const char *mnemonic)
{
    for (const CommandSet::Setting &setting : CommandSet::settings()) {
        if (qstrcmp(setting.mnemonic, mnemonic) == 0)
            return setting.field;
    }
    return nullptr;
}

bool marksWrongInput(FieldKind kind)
{
    return kind == FieldKind::Address || kind == FieldKind::Key;
}

} // namespace

void logStartupBanner(const char *buildDate, const char *buildTime)
{
    qDebug() << QCoreApplication::applicationName() << "Application started.";
    qDebug() << "Build Arch: " << QSysInfo::buildCpuArchitecture()
             << ", Run Arch: " << QSysInfo::currentCpuArchitecture();
    qDebug() << "Compiled with Qt Version: " << QT_VERSION_STR;
    qDebug() << "C++ Version: " << __cplusplus;
    qDebug() << "Date: " << buildDate << " at " << buildTime;
}

PumpWindow::PumpWindow(QWidget *parent)
    : QMainWindow(parent)
{
    searchTimer.setObjectName(QStringLiteral("searchTimer"));
    searchTimer.setSingleShot(true);
    searchTimer.setInterval(searchTimeMs);
    restartTimer.setObjectName(QStringLiteral("restartTimer"));
    restartTimer.setSingleShot(true);
    restartTimer.setInterval(restartTimeMs);
}

PumpWindow::~PumpWindow() = default;

void PumpWindow::prepareWindow(const char *buildDate, const char *buildTime)
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    // The hint alone fixes nothing outside Windows; the layout is absolute.
    setFixedSize(size());
    logStartupBanner(buildDate, buildTime);
    qRegisterMetaType<PUMP_MODEL_T>("PUMP_MODEL_T");
}

void PumpWindow::attachForm(const WindowWidgets &formWidgets, const QVector<FormField> &formFields)
{
    widgets = formWidgets;
    fields = formFields;
    disableForm();
    // The slots are the program window's own; they are reached by their signatures.
    connect(widgets.connection, SIGNAL(activated(int)), this,
            SLOT(on_pump_connection_changed(int)));
    connect(widgets.pumpList, SIGNAL(activated(int)), this, SLOT(on_pump_selected(int)));
    connect(&searchTimer, SIGNAL(timeout()), this, SLOT(on_search_timeout()));
    connect(&restartTimer, SIGNAL(timeout()), this, SLOT(on_submit_timeout()));
    pumpManager.scanSerialPorts();

    spinner = std::make_unique<QMovie>(QStringLiteral(":/images/ajax-loader.gif"));
    widgets.spinner->setMovie(spinner.get());
    widgets.spinner->hide();
    widgets.spinnerText->hide();
    // Running while hidden, so the overlay always shows a moving spinner.
    spinner->start();
}

void PumpWindow::resetForm()
{
    for (const FormField &field : qAsConst(fields)) {
        switch (field.kind) {
        case FieldKind::Assignment:
            static_cast<QComboBox *>(field.editor)->setCurrentIndex(0);
            break;
        case FieldKind::Switch:
            static_cast<QSlider *>(field.editor)->setValue(0);
            break;
        case FieldKind::Address:
        case FieldKind::Text:
        case FieldKind::Key:
            static_cast<QLineEdit *>(field.editor)->setText(QString());
            break;
        }
    }
    setMarkingCleared();
    widgets.spinner->hide();
    widgets.spinnerText->hide();
}

void PumpWindow::setMarkingCleared()
{
    for (const FormField &field : qAsConst(fields)) {
        if (marksWrongInput(field.kind))
            field.editor->setStyleSheet(unmarkedStyle);
    }
}

void PumpWindow::enableForm()
{
    resetForm();
    if (widgets.browser)
        widgets.browser->setEnabled(true);
    widgets.submit->setEnabled(true);
    widgets.reset->setEnabled(true);
    for (const FormField &field : qAsConst(fields))
        field.editor->setEnabled(true);
}

void PumpWindow::disableForm()
{
    resetForm();
    if (widgets.browser)
        widgets.browser->setEnabled(false);
    widgets.submit->setEnabled(false);
    widgets.reset->setEnabled(false);
    for (const FormField &field : qAsConst(fields))
        field.editor->setEnabled(false);
}

void PumpWindow::addSerialPort(const QString &portName)
{
    widgets.connection->addItem(portName);
}

void PumpWindow::changeConnection(int index)
{
    windowLog("on_pump_connection_changed");
    widgets.pumpList->clear();
    pumps.clear();
    disableForm();
    if (index <= 0)
        pumpManager.setConnection(ethernetConnectionName);
    else
        pumpManager.setConnection(widgets.connection->itemText(index));
}

void PumpWindow::startSearch()
{
    windowLog("on_btnSearch_clicked");
    pumps.clear();
    widgets.pumpList->clear();
    disableForm();
    pumpManager.searchPumps();
    widgets.search->setEnabled(false);
    widgets.search->setText(windowText("Searching..."));
    searchTimer.start();
}

void PumpWindow::endSearch()
{
    windowLog("on_search_timeout");
    widgets.search->setText(windowText("Search Pumps"));
    widgets.search->setEnabled(true);
    // A lone pump is selected without the technician; among several they choose.
    if (widgets.pumpList->count() == 1)
        selectPump(0);
}

void PumpWindow::addPump(const QString &identityText)
{
    PumpIdentity identity;
    if (!cutIdentity(identityText.toUtf8(), &identity)) {
        windowLog("on_IDAvailable") << "Unusable pump identity" << identityText;
        return;
    }
    windowLog("on_IDAvailable") << "Found pump" << QString::fromStdString(identity.name) << "at"
                                << QString::fromStdString(identity.address);
    if (findPump(identity.name) >= 0)
        return;
    PUMP_MODEL_T pump;
    pump.name = identity.name;
    pump.address = identity.address;
    pumps.append(pump);
    widgets.pumpList->addItem(identityText);
}

int PumpWindow::findPump(const std::string &name) const
{
    for (int i = 0; i < pumps.size(); ++i) {
        if (pumps.at(i).name == name)
            return i;
    }
    return -1;
}

void PumpWindow::selectPump(int idx)
{
    windowLog("on_pump_selected") << idx << "selected.";
    if (idx < 0 || idx >= pumps.size()) {
        windowLog("on_pump_selected") << widgets.pumpList->currentText() << "not found.";
        return;
    }
    // Cleared first, so the previous pump's values never stay on screen.
    enableForm();
    if (widgets.connection->currentIndex() != 0)
        pumpManager.getPumpSettings(widgets.connection->currentText());
    else
        pumpManager.connectToPump(QString::fromStdString(pumps.at(idx).address));
}

void PumpWindow::openPumpPage()
{
    const int index = widgets.pumpList->currentIndex();
    windowLog("on_btnBrowser_clicked") << index << "selected.";
    if (index < 0 || index >= pumps.size()) {
        windowLog("on_btnBrowser_clicked") << widgets.pumpList->currentText() << "not found.";
        return;
    }
    const QString url = QStringLiteral("http://") + QString::fromStdString(pumps.at(index).address);
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void PumpWindow::showSetting(QWidget *editor, const QString &value)
{
    for (const FormField &field : qAsConst(fields)) {
        if (field.editor != editor)
            continue;
        switch (field.kind) {
        case FieldKind::Assignment:
            static_cast<QComboBox *>(editor)->setCurrentIndex(value == QLatin1String("DHCP") ? 0
                                                                                             : 1);
            break;
        case FieldKind::Switch:
            static_cast<QSlider *>(editor)->setValue(value == QLatin1String("ON") ? 1 : 0);
            break;
        case FieldKind::Address:
        case FieldKind::Text:
        case FieldKind::Key:
            static_cast<QLineEdit *>(editor)->setText(value);
            break;
        }
        return;
    }
}

bool PumpWindow::readForm(PUMP_MODEL_T *pump)
{
    bool valid = true;
    for (const FormField &field : qAsConst(fields)) {
        QString PUMP_MODEL_T::*recordValue = recordField(field.mnemonic);
        QString value;
        switch (field.kind) {
        case FieldKind::Assignment:
            value = static_cast<QComboBox *>(field.editor)->currentText();
            windowLog("on_btnSubmit_clicked") << value;
            break;
        case FieldKind::Address: {
            auto *edit = static_cast<QLineEdit *>(field.editor);
            windowLog("on_btnSubmit_clicked") << edit->text();
            value = canonicalIPv4(edit->text());
            if (value.isNull()) {
                // Every wrong field is marked in one go; marks stay until a submission succeeds.
                edit->setStyleSheet(markedStyle);
                valid = false;
            }
            break;
        }
        case FieldKind::Text:
            value = static_cast<QLineEdit *>(field.editor)->text();
            windowLog("on_btnSubmit_clicked") << value;
            break;
        case FieldKind::Switch:
            value = static_cast<QSlider *>(field.editor)->value() == 1 ? switchOn : switchOff;
            windowLog("on_btnSubmit_clicked") << value;
            break;
        case FieldKind::Key:
            value = static_cast<QLineEdit *>(field.editor)->text();
            // Keys are secrets: the log shows that one was given, never what it is.
            windowLog("on_btnSubmit_clicked") << "[redacted]" << value.size() << "characters";
            break;
        }
        if (recordValue)
            (*pump).*recordValue = value;
    }
    return valid;
}

void PumpWindow::submitSettings()
{
    PUMP_MODEL_T pump;
    if (!readForm(&pump)) {
        QMessageBox message;
        message.setText(windowText("Please correct the highlighted entry."));
        message.exec();
        return;
    }
    setMarkingCleared();
    if (!pumpManager.setPumpSettings(pump)) {
        // Nothing left the machine: say so, and leave the form as the technician has it.
        QMessageBox message;
        message.setText(windowText("The settings were not sent: the serial port is not open.\n"
                                   "Select the pump again and submit once more."));
        message.exec();
        return;
    }
    rememberNewAddress(pump);
    restartTimer.start();
    widgets.submit->setEnabled(false);
    widgets.search->setEnabled(false);
    widgets.pumpList->setEnabled(false);
    widgets.connection->setEnabled(false);
    disableForm();
    widgets.spinner->show();
    widgets.spinnerText->show();
}

void PumpWindow::rememberNewAddress(const PUMP_MODEL_T &written)
{
    // A pump given a new static address answers there after its restart; the
    // re-read and the browser must follow it.
    QString PUMP_MODEL_T::*assignment = recordField("NAM");
    QString PUMP_MODEL_T::*address = recordField("NIP");
    const int index = widgets.pumpList->currentIndex();
    if (!assignment || !address || index < 0 || index >= pumps.size())
        return;
    if (written.*assignment == QLatin1String("Static") && !(written.*address).isEmpty())
        pumps[index].address = (written.*address).toStdString();
}

void PumpWindow::endRestartWait()
{
    windowLog("on_submit_timeout");
    widgets.submit->setEnabled(true);
    widgets.search->setEnabled(true);
    widgets.pumpList->setEnabled(true);
    widgets.connection->setEnabled(true);
    enableForm();
    selectPump(widgets.pumpList->currentIndex());
}

void PumpWindow::reloadSettings()
{
    windowLog("on_btnReset_clicked");
    if (!fields.isEmpty() && fields.first().editor->isEnabled()) {
        enableForm();
        selectPump(widgets.pumpList->currentIndex());
    } else {
        disableForm();
    }
}
