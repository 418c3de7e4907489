#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "identity.h"
#include "placeholderpainter.h"
#include "programbinding.h"
#include "textfitter.h"
#include "windowfeedback.h"
#include "windowlog.h"
#include "windowmessages.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QHostAddress>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr int searchTimeMs = 3000;
constexpr int restartTimeMs = 15000;
// Each pump entry keeps the adapter it answered on.
constexpr int adapterRole = Qt::UserRole + 1;

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

    form = SettingsForm(ui);
    connectFeedback();
    disableForm();
    // By signature, so that the wiring can be read back from the meta-objects.
    connect(ui->dropDownConnection, SIGNAL(activated(int)), this,
            SLOT(on_pump_connection_changed(int)));
    // A pick is a new action: what was said about the last one goes before the pump
    // is read. The other callers of on_pump_selected keep what is being said.
    connect(ui->dropDownPumps, QOverload<int>::of(&QComboBox::activated), feedback,
            &WindowFeedback::newAction);
    connect(ui->dropDownPumps, SIGNAL(activated(int)), this, SLOT(on_pump_selected(int)));
    new PlaceholderPainter(ui->dropDownPumps);
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

// The one place where the window meets what it tells the technician: the window
// calls the feedback, and the feedback answers by its signals.
void MainWindow::connectFeedback()
{
    const QVector<FormField> readFields
        = ProgramBinding::readsSettings() ? form.fields() : QVector<FormField>();
    feedback = new WindowFeedback(readFields, ui->centralWidget, this);
    restartOverlayText = ui->labelSpinner_text->text();
    connect(&pumpManager, &PumpManager::serialPortOpenFailed, feedback,
            &WindowFeedback::reportPortFailure);
    connect(pumpManager.adapterRefusals(), &AdapterRefusals::refused, feedback,
            &WindowFeedback::reportAdapterRefusal);
    connect(feedback, &WindowFeedback::rereadWanted, this, &MainWindow::rereadSelectedPump);
    connect(feedback, &WindowFeedback::busyChanged, this, &MainWindow::setRetryOverlayShown);
}

// ---- What differs between the programs: the manager's signals and the buttons ----

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
    feedback->newAction();
#if PUMP_PROGRAM == PUMP_KEY_TOOL
    // Keys are never read back: typed keys are dropped and the form waits for the
    // next selection.
    disableForm();
#else
    // A live form is refilled from the pump, which throws the technician's edits away.
    if (ui->dropDownNAM->isEnabled()) {
        enableForm();
        rereadSelectedPump();
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
    form.clear();
    feedback->formCleared();
    form.clearMarking();
    ui->labelSpinner->hide();
    ui->labelSpinner_text->hide();
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
    form.setEnabled(enabled);
}

void MainWindow::on_serialPortFound(QString s) { ui->dropDownConnection->addItem(s); }

void MainWindow::on_pump_connection_changed(int index)
{
    windowLog("on_pump_connection_changed");
    feedback->newAction();
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
    feedback->newAction();
    ui->dropDownPumps->setPlaceholderText(QString());
    pumps.clear();
    ui->dropDownPumps->clear();
    disableForm();
    pumpManager.searchPumps();
    ui->btnSearch->setEnabled(false);
    ui->btnSearch->setText(tr("Searching..."));
    searchTimer.start();
}

void MainWindow::on_search_timeout()
{
    windowLog("on_search_timeout");
    ui->btnSearch->setText(tr("Search Pumps"));
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
    // The adapter it answered on: it is read and written through that one.
    const PumpAdapter adapter = pumpManager.adapterOf(s);
    if (!adapter.isNull()) {
        const int item = ui->dropDownPumps->count() - 1;
        ui->dropDownPumps->setItemData(item, QVariant::fromValue(adapter), adapterRole);
        ui->dropDownPumps->setItemData(item, adapter.label(), Qt::ToolTipRole);
    }
}

int MainWindow::findPump(const std::string &name) const
{
    for (int i = 0; i < pumps.size(); ++i) {
        if (pumps.at(i).name == name)
            return i;
    }
    return -1;
}

void MainWindow::rereadSelectedPump() { on_pump_selected(ui->dropDownPumps->currentIndex()); }

void MainWindow::on_pump_selected(int idx)
{
    windowLog("on_pump_selected") << idx << "selected.";
    if (idx < 0 || idx >= pumps.size()) {
        windowLog("on_pump_selected") << ui->dropDownPumps->currentText() << "not found.";
        return;
    }
    // Cleared first, so the previous pump's values never stay on screen.
    enableForm();
    const int queryFrames = ProgramBinding::queryFrames().size();
    if (ui->dropDownConnection->currentIndex() != 0) {
        const QString port = ui->dropDownConnection->currentText();
        feedback->readStarted(queryFrames, true, port);
        pumpManager.getPumpSettings(port);
    } else {
        const QString address = QString::fromStdString(pumps.at(idx).address);
        feedback->readStarted(queryFrames, false, address);
        pumpManager.connectToPump(
            address, ui->dropDownPumps->itemData(idx, adapterRole).value<PumpAdapter>());
    }
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
    if (form.show(editor, value))
        feedback->settingShown(editor);
}

void MainWindow::on_btnSubmit_clicked()
{
    feedback->newAction();
    if (feedback->refusesUnknownSettings())
        return;
    PUMP_MODEL_T pump;
    if (!form.read(&pump)) {
        QMessageBox message;
        message.setText(tr("Please correct the highlighted entry."));
        message.exec();
        return;
    }
    form.clearMarking();
    if (!pumpManager.setPumpSettings(pump)) {
        // The pump did not get the settings and their save command: say so, and leave
        // the form as the technician has it.
        QMessageBox message;
        message.setText(tr("The settings were not saved: the serial port is not open "
                           "or was lost while writing.\n"
                           "Select the pump again and submit once more."));
        message.exec();
        return;
    }
    feedback->settingsWritten(form.values(pump));
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
    const QString address = SettingsForm::newStaticAddress(written);
    const int index = ui->dropDownPumps->currentIndex();
    if (!address.isEmpty() && index >= 0 && index < pumps.size())
        pumps[index].address = address.toStdString();
}

void MainWindow::on_submit_timeout()
{
    windowLog("on_submit_timeout");
    setControlsEnabled(true);
    enableForm();
    rereadSelectedPump();
    feedback->restartWaitOver();
}

// While the restarted pump is asked again, the wait goes on: overlay up, nothing usable.
void MainWindow::setRetryOverlayShown(bool shown)
{
    setControlsEnabled(!shown);
    setFormEnabled(!shown);
    ui->labelSpinner_text->setText(shown ? WindowMessages::waitingForPump() : restartOverlayText);
    TextFitter::fit(ui->labelSpinner_text);
    ui->labelSpinner->setVisible(shown);
    ui->labelSpinner_text->setVisible(shown);
}
