#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "windowlog.h"

MainWindow::MainWindow(QWidget *parent)
    : PumpWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    prepareWindow(__DATE__, __TIME__);

    connect(&pumpManager, &PumpManager::idAvailable, this, &MainWindow::on_IDAvailable);
    connect(&pumpManager, &PumpManager::serialPortFound, this, &MainWindow::on_serialPortFound);

    attachForm(formWidgets(ui, nullptr),
               {
                   { "NK1", FieldKind::Key, ui->lineEdit_NK1 },
                   { "NK2", FieldKind::Key, ui->lineEdit_NK2 },
                   { "NK3", FieldKind::Key, ui->lineEdit_NK3 },
                   { "NK4", FieldKind::Key, ui->lineEdit_NK4 },
                   { "NK5", FieldKind::Key, ui->lineEdit_NK5 },
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
    // Keys are never read back, so there is nothing to reload: typed keys are dropped
    // and the form waits for the next selection.
    windowLog("on_btnReset_clicked");
    disableForm();
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
