#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "pumpwindow.h"

namespace Ui {
class MainWindow;
}

// The full network tool: a pump's identity and its thirteen network settings.
class MainWindow : public PumpWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_btnSubmit_clicked();
    void on_btnReset_clicked();
    void on_btnBrowser_clicked();
    void on_btnSearch_clicked();
    void on_pump_selected(int idx);
    void on_pump_connection_changed(int index);
    void on_search_timeout();
    void on_submit_timeout();
    void on_serialPortFound(QString s);
    void on_IDAvailable(QString s);
    void on_AMAvailable(QString s);
    void on_IPAvailable(QString s);
    void on_SMAvailable(QString s);
    void on_DGAvailable(QString s);
    void on_DNS1Available(QString s);
    void on_DNS2Available(QString s);
    void on_TTAvailable(QString s);
    void on_UHAvailable(QString s);
    void on_UMAvailable(QString s);
    void on_CMAvailable(QString s);
    void on_BTAvailable(QString s);
    void on_TNAvailable(QString s);
    void on_PAAvailable(QString s);

private:
    Ui::MainWindow *ui;
};

#endif // MAINWINDOW_H
