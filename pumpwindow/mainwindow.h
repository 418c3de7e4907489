#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "pumpmanager.h"
#include "pumpmodel.h"
#include "settingsform.h"

#include <QMainWindow>
#include <QTimer>
#include <QVector>
#include <memory>

class QMovie;
class WindowFeedback;

namespace Ui {
class MainWindow;
}

// The one window of each program of the family. The behaviour is shared; which
// settings the form holds and which slots exist depend on PUMP_PROGRAM, like the
// pump link's signals, and each program brings its own designer form.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_btnSubmit_clicked();
    void on_btnReset_clicked();
#if PUMP_PROGRAM != PUMP_KEY_TOOL
    void on_btnBrowser_clicked();
#endif
    void on_btnSearch_clicked();
    void on_pump_selected(int idx);
    void on_pump_connection_changed(int index);
    void on_search_timeout();
    void on_submit_timeout();
    void on_serialPortFound(QString s);
    void on_IDAvailable(QString s);
#if PUMP_PROGRAM != PUMP_KEY_TOOL
    void on_AMAvailable(QString s);
    void on_IPAvailable(QString s);
    void on_SMAvailable(QString s);
    void on_DGAvailable(QString s);
    void on_DNS1Available(QString s);
    void on_DNS2Available(QString s);
#endif
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
    void on_TTAvailable(QString s);
    void on_UHAvailable(QString s);
    void on_UMAvailable(QString s);
    void on_CMAvailable(QString s);
    void on_BTAvailable(QString s);
    void on_TNAvailable(QString s);
    void on_PAAvailable(QString s);
#endif

private:
    void connectManager();
    void resetForm();
    void enableForm();
    void disableForm();
    void setFormEnabled(bool enabled);
    void setFormButtonsEnabled(bool enabled);
    void setControlsEnabled(bool enabled);
    void showSetting(QWidget *editor, const QString &value);
    void rememberNewAddress(const PUMP_MODEL_T &written);
    int findPump(const std::string &name) const;

    void connectFeedback();
    void rereadSelectedPump();
    void setRetryOverlayShown(bool shown);

    Ui::MainWindow *ui;
    PumpManager pumpManager;
    QVector<PUMP_MODEL_T> pumps;
    SettingsForm form;
    std::unique_ptr<QMovie> spinner;
    QTimer searchTimer;
    QTimer restartTimer;
    // What the technician is told beyond the form itself; a child of the window.
    WindowFeedback *feedback = nullptr;
    QString restartOverlayText;
};

#endif // MAINWINDOW_H
