#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "pumpwindow.h"

namespace Ui {
class MainWindow;
}

// The connection-key tool: finds pumps and writes five connection keys, which it
// never reads back.
class MainWindow : public PumpWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_btnSubmit_clicked();
    void on_btnReset_clicked();
    void on_btnSearch_clicked();
    void on_pump_selected(int idx);
    void on_pump_connection_changed(int index);
    void on_search_timeout();
    void on_submit_timeout();
    void on_serialPortFound(QString s);
    void on_IDAvailable(QString s);

private:
    Ui::MainWindow *ui;
};

#endif // MAINWINDOW_H
