#include "mainwindow.h"
#include "ui_mainwindow.h"

MainWindow::MainWindow(QWidget *parent)
    : PumpWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    prepareWindow(__DATE__, __TIME__);

    connect(&pumpManager, &PumpManager::idAvailable, this, &MainWindow::on_IDAvailable);
    connect(&pumpManager, &PumpManager::amAvailable, this, &MainWindow::on_AMAvailable);
    connect(&pumpManager, &PumpManager::ipAvailable, this, &MainWindow::on_IPAvailable);
    connect(&pumpManager, &PumpManager::smAvailable, this, &MainWindow::on_SMAvailable);
    connect(&pumpManager, &PumpManager::dgAvailable, this, &MainWindow::on_DGAvailable);
    connect(&pumpManager, &PumpManager::dns1Available, this, &MainWindow::on_DNS1Available);
    connect(&pumpManager, &PumpManager::dns2Available, this, &MainWindow::on_DNS2Available);
    connect(&pumpManager, &PumpManager::ttAvailable, this, &MainWindow::on_TTAvailable);
    connect(&pumpManager, &PumpManager::uhAvailable, this, &MainWindow::on_UHAvailable);
    connect(&pumpManager, &PumpManager::umAvailable, this, &MainWindow::on_UMAvailable);
    connect(&pumpManager, &PumpManager::cmAvailable, this, &MainWindow::on_CMAvailable);
    connect(&pumpManager, &PumpManager::btAvailable, this, &MainWindow::on_BTAvailable);
    connect(&pumpManager, &PumpManager::tnAvailable, this, &MainWindow::on_TNAvailable);
    connect(&pumpManager, &PumpManager::paAvailable, this, &MainWindow::on_PAAvailable);
    connect(&pumpManager, &PumpManager::serialPortFound, this, &MainWindow::on_serialPortFound);

    attachForm(formWidgets(ui, ui->btnBrowser),
               {
                   { "NAM", FieldKind::Assignment, ui->dropDownNAM },
                   { "NIP", FieldKind::Address, ui->lineEdit_NIP },
                   { "NSM", FieldKind::Address, ui->lineEdit_NSM },
                   { "NDG", FieldKind::Address, ui->lineEdit_NDG },
                   { "ND1", FieldKind::Address, ui->lineEdit_ND1 },
                   { "ND2", FieldKind::Address, ui->lineEdit_ND2 },
                   { "NTT", FieldKind::Text, ui->lineEdit_NTT },
                   { "NUH", FieldKind::Text, ui->lineEdit_NUH },
                   { "NUM", FieldKind::Text, ui->lineEdit_NUM },
                   { "NCM", FieldKind::Switch, ui->cmSlider },
                   { "NBT", FieldKind::Switch, ui->btSlider },
                   { "NTN", FieldKind::Switch, ui->tnSlider },
                   { "NPA", FieldKind::Text, ui->lineEdit_NPA },
               });
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::on_btnSubmit_clicked()
{
    submitSettings();
}
void MainWindow::on_btnReset_clicked()
{
    reloadSettings();
}
void MainWindow::on_btnBrowser_clicked()
{
    openPumpPage();
}
void MainWindow::on_btnSearch_clicked()
{
    startSearch();
}
void MainWindow::on_pump_selected(int idx)
{
    selectPump(idx);
}
void MainWindow::on_pump_connection_changed(int index)
{
    changeConnection(index);
}
void MainWindow::on_search_timeout()
{
    endSearch();
}
void MainWindow::on_submit_timeout()
{
    endRestartWait();
}
void MainWindow::on_serialPortFound(QString s)
{
    addSerialPort(s);
}
void MainWindow::on_IDAvailable(QString s)
{
    addPump(s);
}
void MainWindow::on_AMAvailable(QString s)
{
    showSetting(ui->dropDownNAM, s);
}
void MainWindow::on_IPAvailable(QString s)
{
    showSetting(ui->lineEdit_NIP, s);
}
void MainWindow::on_SMAvailable(QString s)
{
    showSetting(ui->lineEdit_NSM, s);
}
void MainWindow::on_DGAvailable(QString s)
{
    showSetting(ui->lineEdit_NDG, s);
}
void MainWindow::on_DNS1Available(QString s)
{
    showSetting(ui->lineEdit_ND1, s);
}
void MainWindow::on_DNS2Available(QString s)
{
    showSetting(ui->lineEdit_ND2, s);
}
void MainWindow::on_TTAvailable(QString s)
{
    showSetting(ui->lineEdit_NTT, s);
}
void MainWindow::on_UHAvailable(QString s)
{
    showSetting(ui->lineEdit_NUH, s);
}
void MainWindow::on_UMAvailable(QString s)
{
    showSetting(ui->lineEdit_NUM, s);
}
void MainWindow::on_CMAvailable(QString s)
{
    showSetting(ui->cmSlider, s);
}
void MainWindow::on_BTAvailable(QString s)
{
    showSetting(ui->btSlider, s);
}
void MainWindow::on_TNAvailable(QString s)
{
    showSetting(ui->tnSlider, s);
}
void MainWindow::on_PAAvailable(QString s)
{
    showSetting(ui->lineEdit_NPA, s);
}
