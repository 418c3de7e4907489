#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "commandset.h"
#include "identity.h"
#include "ipv4address.h"
#include "textfitter.h"
#include "windowlog.h"
#include "windowmessages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QSlider>
#include <QUrl>

namespace {

constexpr int searchTimeMs = 3000;
constexpr int restartTimeMs = 15000;

const QString unmarkedStyle = QStringLiteral("QLineEdit {}");
const QString markedStyle = QStringLiteral("QLineEdit {color: red;}");

QString windowText(const char *text) { return QCoreApplication::translate("MainWindow", text); }

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

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    // The hint alone fixes nothing outside Windows; the layout is absolute.
    setFixedSize(size());
    TextFitter::fitAll(this);
    logStartupBanner(__DATE__, __TIME__);
    qRegisterMetaType<PUMP_MODEL_T>("PUMP_MODEL_T");
    connectManager();

    fields = formFields();
    connectHints();
    disableForm();
    connect(ui->dropDownConnection, QOverload<int>::of(&QComboBox::activated), this,
            &MainWindow::on_pump_connection_changed);
    connect(ui->dropDownPumps, QOverload<int>::of(&QComboBox::activated), this,
            &MainWindow::on_pump_selected);
    pumpManager.scanSerialPorts();

    spinner = std::make_unique<QMovie>(QStringLiteral(":/images/ajax-loader.gif"));
    ui->labelSpinner->setMovie(spinner.get());
    ui->labelSpinner->hide();
    ui->labelSpinner_text->hide();
    // Running while hidden, so the overlay always shows a moving spinner.
    spinner->start();

    // Children of the window, so that they can be found by name; as members they
    // leave the window's children before the window deletes what is left.
    searchTimer.setParent(this);
    searchTimer.setObjectName(QStringLiteral("searchTimer"));
    searchTimer.setSingleShot(true);
    searchTimer.setInterval(searchTimeMs);
    connect(&searchTimer, &QTimer::timeout, this, &MainWindow::on_search_timeout);
    restartTimer.setParent(this);
    restartTimer.setObjectName(QStringLiteral("restartTimer"));
    restartTimer.setSingleShot(true);
    restartTimer.setInterval(restartTimeMs);
    connect(&restartTimer, &QTimer::timeout, this, &MainWindow::on_submit_timeout);
}

MainWindow::~MainWindow() { delete ui; }

// ---- What differs between the programs: the manager's signals and the form ----

void MainWindow::connectManager()
{
    connect(&pumpManager, &PumpManager::idAvailable, this, &MainWindow::on_IDAvailable);
#if PUMP_PROGRAM != PUMP_KEY_TOOL
    connect(&pumpManager, &PumpManager::amAvailable, this, &MainWindow::on_AMAvailable);
    connect(&pumpManager, &PumpManager::ipAvailable, this, &MainWindow::on_IPAvailable);
    connect(&pumpManager, &PumpManager::smAvailable, this, &MainWindow::on_SMAvailable);
    connect(&pumpManager, &PumpManager::dgAvailable, this, &MainWindow::on_DGAvailable);
    connect(&pumpManager, &PumpManager::dns1Available, this, &MainWindow::on_DNS1Available);
    connect(&pumpManager, &PumpManager::dns2Available, this, &MainWindow::on_DNS2Available);
#endif
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
    connect(&pumpManager, &PumpManager::ttAvailable, this, &MainWindow::on_TTAvailable);
    connect(&pumpManager, &PumpManager::uhAvailable, this, &MainWindow::on_UHAvailable);
    connect(&pumpManager, &PumpManager::umAvailable, this, &MainWindow::on_UMAvailable);
    connect(&pumpManager, &PumpManager::cmAvailable, this, &MainWindow::on_CMAvailable);
    connect(&pumpManager, &PumpManager::btAvailable, this, &MainWindow::on_BTAvailable);
    connect(&pumpManager, &PumpManager::tnAvailable, this, &MainWindow::on_TNAvailable);
    connect(&pumpManager, &PumpManager::paAvailable, this, &MainWindow::on_PAAvailable);
#endif
    connect(&pumpManager, &PumpManager::serialPortFound, this, &MainWindow::on_serialPortFound);
}

// The settings on the form, in the order they are cleared, enabled and submitted.
QVector<FormField> MainWindow::formFields() const
{
#if PUMP_PROGRAM == PUMP_KEY_TOOL
    return {
        { "NK1", FieldKind::Key, ui->lineEdit_NK1, "Key 1" },
        { "NK2", FieldKind::Key, ui->lineEdit_NK2, "Key 2" },
        { "NK3", FieldKind::Key, ui->lineEdit_NK3, "Key 3" },
        { "NK4", FieldKind::Key, ui->lineEdit_NK4, "Key 4" },
        { "NK5", FieldKind::Key, ui->lineEdit_NK5, "Key 5" },
    };
#else
    QVector<FormField> ipSettings = {
        { "NAM", FieldKind::Assignment, ui->dropDownNAM, "IP Assignment" },
        { "NIP", FieldKind::Address, ui->lineEdit_NIP, "IPv4 Address" },
        { "NSM", FieldKind::Address, ui->lineEdit_NSM, "Subnet Mask" },
        { "NDG", FieldKind::Address, ui->lineEdit_NDG, "Default Gateway" },
        { "ND1", FieldKind::Address, ui->lineEdit_ND1, "DNS Server 1" },
        { "ND2", FieldKind::Address, ui->lineEdit_ND2, "DNS Server 2" },
    };
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
    ipSettings += {
        { "NTT", FieldKind::Text, ui->lineEdit_NTT, "TCP Timeout" },
        { "NUH", FieldKind::Text, ui->lineEdit_NUH, "UTC Offset hours" },
        { "NUM", FieldKind::Text, ui->lineEdit_NUM, "UTC Offset minutes" },
        { "NCM", FieldKind::Switch, ui->cmSlider, "Cloud Monitor" },
        { "NBT", FieldKind::Switch, ui->btSlider, "Bluetooth" },
        { "NTN", FieldKind::Switch, ui->tnSlider, "Telnet" },
        { "NPA", FieldKind::Text, ui->lineEdit_NPA, "PROFIBUS Address" },
    };
#endif
    return ipSettings;
#endif
}

void MainWindow::setFormButtonsEnabled(bool enabled)
{
#if PUMP_PROGRAM != PUMP_KEY_TOOL
    ui->btnBrowser->setEnabled(enabled);
#endif
    ui->btnSubmit->setEnabled(enabled);
    ui->btnReset->setEnabled(enabled);
}

void MainWindow::on_btnReset_clicked()
{
    windowLog("on_btnReset_clicked");
    endHints();
#if PUMP_PROGRAM == PUMP_KEY_TOOL
    // Keys are never read back: typed keys are dropped and the form waits for the
    // next selection.
    disableForm();
#else
    // A live form is refilled from the pump, which throws the technician's edits away.
    if (ui->dropDownNAM->isEnabled()) {
        enableForm();
        on_pump_selected(ui->dropDownPumps->currentIndex());
    } else {
        disableForm();
    }
#endif
}

#if PUMP_PROGRAM != PUMP_KEY_TOOL
void MainWindow::on_AMAvailable(QString s) { showSetting(ui->dropDownNAM, s); }
void MainWindow::on_IPAvailable(QString s) { showSetting(ui->lineEdit_NIP, s); }
void MainWindow::on_SMAvailable(QString s) { showSetting(ui->lineEdit_NSM, s); }
void MainWindow::on_DGAvailable(QString s) { showSetting(ui->lineEdit_NDG, s); }
void MainWindow::on_DNS1Available(QString s) { showSetting(ui->lineEdit_ND1, s); }
void MainWindow::on_DNS2Available(QString s) { showSetting(ui->lineEdit_ND2, s); }
#endif
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
void MainWindow::on_TTAvailable(QString s) { showSetting(ui->lineEdit_NTT, s); }
void MainWindow::on_UHAvailable(QString s) { showSetting(ui->lineEdit_NUH, s); }
void MainWindow::on_UMAvailable(QString s) { showSetting(ui->lineEdit_NUM, s); }
void MainWindow::on_CMAvailable(QString s) { showSetting(ui->cmSlider, s); }
void MainWindow::on_BTAvailable(QString s) { showSetting(ui->btSlider, s); }
void MainWindow::on_TNAvailable(QString s) { showSetting(ui->tnSlider, s); }
void MainWindow::on_PAAvailable(QString s) { showSetting(ui->lineEdit_NPA, s); }
#endif

// ---- The behaviour all three programs share ----

void MainWindow::resetForm()
{
    for (const FormField &field : qAsConst(fields))
        clearField(field);
    settingsWatch.forget();
    setMarkingCleared();
    ui->labelSpinner->hide();
    ui->labelSpinner_text->hide();
}

void MainWindow::setMarkingCleared()
{
    for (const FormField &field : qAsConst(fields)) {
        if (marksWrongInput(field.kind))
            field.editor->setStyleSheet(unmarkedStyle);
    }
}

void MainWindow::enableForm()
{
    resetForm();
    setFormEnabled(true);
}

void MainWindow::disableForm()
{
    resetForm();
    setFormEnabled(false);
}

void MainWindow::setFormEnabled(bool enabled)
{
    setFormButtonsEnabled(enabled);
    for (const FormField &field : qAsConst(fields))
        field.editor->setEnabled(enabled);
}

void MainWindow::on_serialPortFound(QString s) { ui->dropDownConnection->addItem(s); }

void MainWindow::on_pump_connection_changed(int index)
{
    windowLog("on_pump_connection_changed");
    endHints();
    ui->dropDownPumps->setPlaceholderText(QString());
    ui->dropDownPumps->clear();
    pumps.clear();
    disableForm();
    if (index <= 0)
        pumpManager.setConnection(ethernetConnectionName);
    else
        pumpManager.setConnection(ui->dropDownConnection->itemText(index));
}

void MainWindow::on_btnSearch_clicked()
{
    windowLog("on_btnSearch_clicked");
    endHints();
    ui->dropDownPumps->setPlaceholderText(QString());
    pumps.clear();
    ui->dropDownPumps->clear();
    disableForm();
    pumpManager.searchPumps();
    ui->btnSearch->setEnabled(false);
    ui->btnSearch->setText(windowText("Searching..."));
    searchTimer.start();
}

void MainWindow::on_search_timeout()
{
    windowLog("on_search_timeout");
    ui->btnSearch->setText(windowText("Search Pumps"));
    ui->btnSearch->setEnabled(true);
    // A lone pump is selected without the technician; among several they choose.
    if (ui->dropDownPumps->count() == 1)
        on_pump_selected(0);
    // Until the next search or change of connection, the empty list says so.
    if (ui->dropDownPumps->count() == 0)
        ui->dropDownPumps->setPlaceholderText(WindowMessages::noPumpAnswered());
}

void MainWindow::on_IDAvailable(QString s)
{
    PumpIdentity identity;
    if (!cutIdentity(s.toUtf8(), &identity)) {
        windowLog("on_IDAvailable") << "Unusable pump identity" << s;
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
    ui->dropDownPumps->addItem(s);
}

int MainWindow::findPump(const std::string &name) const
{
    for (int i = 0; i < pumps.size(); ++i) {
        if (pumps.at(i).name == name)
            return i;
    }
    return -1;
}

void MainWindow::on_pump_selected(int idx)
{
    windowLog("on_pump_selected") << idx << "selected.";
    if (idx < 0 || idx >= pumps.size()) {
        windowLog("on_pump_selected") << ui->dropDownPumps->currentText() << "not found.";
        return;
    }
    // Cleared first, so the previous pump's values never stay on screen.
    enableForm();
    const bool serialLine = ui->dropDownConnection->currentIndex() != 0;
    settingsWatch.beginRead(CommandSet::queryFrames().size(), serialLine);
    if (serialLine)
        pumpManager.getPumpSettings(ui->dropDownConnection->currentText());
    else
        pumpManager.connectToPump(QString::fromStdString(pumps.at(idx).address));
}

#if PUMP_PROGRAM != PUMP_KEY_TOOL
void MainWindow::on_btnBrowser_clicked()
{
    const int index = ui->dropDownPumps->currentIndex();
    windowLog("on_btnBrowser_clicked") << index << "selected.";
    if (index < 0 || index >= pumps.size()) {
        windowLog("on_btnBrowser_clicked") << ui->dropDownPumps->currentText() << "not found.";
        return;
    }
    QString host = QString::fromStdString(pumps.at(index).address);
    // An IPv6 address is a URL's host only in brackets.
    if (QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    const QString url = QStringLiteral("http://") + host;
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}
#endif

void MainWindow::showSetting(QWidget *editor, const QString &value)
{
    for (const FormField &field : qAsConst(fields)) {
        if (field.editor != editor)
            continue;
        showFieldValue(field, value);
        settingsWatch.noteArrived(editor);
        return;
    }
}

bool MainWindow::readForm(PUMP_MODEL_T *pump)
{
    bool valid = true;
    for (const FormField &field : qAsConst(fields)) {
        QString PUMP_MODEL_T::*recordValue = recordField(field.mnemonic);
        QString value;
        switch (field.kind) {
        case FieldKind::Assignment:
        case FieldKind::Text:
        case FieldKind::Switch:
            value = fieldValue(field);
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
        case FieldKind::Key:
            value = fieldValue(field);
            // Keys are secrets: the log shows that one was given, never what it is.
            windowLog("on_btnSubmit_clicked") << "[redacted]" << value.size() << "characters";
            break;
        }
        if (recordValue)
            (*pump).*recordValue = value;
    }
    return valid;
}

void MainWindow::on_btnSubmit_clicked()
{
    endHints();
    if (refuseUnknownSettings())
        return;
    PUMP_MODEL_T pump;
    if (!readForm(&pump)) {
        QMessageBox message;
        message.setText(windowText("Please correct the highlighted entry."));
        message.exec();
        return;
    }
    setMarkingCleared();
    if (!pumpManager.setPumpSettings(pump)) {
        // The pump did not get the settings and their save command: say so, and leave
        // the form as the technician has it.
        QMessageBox message;
        message.setText(windowText("The settings were not saved: the serial port is not open "
                                   "or was lost while writing.\n"
                                   "Select the pump again and submit once more."));
        message.exec();
        return;
    }
    if (CommandSet::readsSettings()) {
        QMap<QByteArray, QString> written;
        for (const FormField &field : qAsConst(fields)) {
            if (QString PUMP_MODEL_T::*member = recordField(field.mnemonic))
                written.insert(field.mnemonic, pump.*member);
        }
        restartCheck.begin(fields, written);
    }
    rememberNewAddress(pump);
    restartTimer.start();
    setControlsEnabled(false);
    disableForm();
    ui->labelSpinner->show();
    ui->labelSpinner_text->show();
}

// Nothing can be used while the pump restarts.
void MainWindow::setControlsEnabled(bool enabled)
{
    ui->btnSubmit->setEnabled(enabled);
    ui->btnSearch->setEnabled(enabled);
    ui->dropDownPumps->setEnabled(enabled);
    ui->dropDownConnection->setEnabled(enabled);
}

void MainWindow::rememberNewAddress(const PUMP_MODEL_T &written)
{
    // A pump given a new static address answers there after its restart; the
    // re-read and the browser must follow it.
    QString PUMP_MODEL_T::*assignment = recordField("NAM");
    QString PUMP_MODEL_T::*address = recordField("NIP");
    const int index = ui->dropDownPumps->currentIndex();
    if (!assignment || !address || index < 0 || index >= pumps.size())
        return;
    if (written.*assignment == QLatin1String("Static") && !(written.*address).isEmpty())
        pumps[index].address = (written.*address).toStdString();
}

void MainWindow::on_submit_timeout()
{
    windowLog("on_submit_timeout");
    setControlsEnabled(true);
    enableForm();
    on_pump_selected(ui->dropDownPumps->currentIndex());
    restartCheck.startRereading();
}
