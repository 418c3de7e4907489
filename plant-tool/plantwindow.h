#ifndef PLANTWINDOW_H
#define PLANTWINDOW_H

#include "plantmodel.h"
#include "planwrite.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class PlantSearch;
class PlantWriter;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSortFilterProxyModel;
class QTableView;
class QUndoStack;

// The whole plant in one window: every pump found as a row, its settings as cells
// the technician edits, checked by the windows' rules, and written in parallel with
// each pump's outcome proven by reading it back. Keys stay with the key tool.
class PlantWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit PlantWindow(QWidget *parent = nullptr);
    ~PlantWindow() override;

    // A plan to open once the first search has ended.
    void setStartupPlan(const QString &path);
    // How long the pumps take to restart after their save (15 s, as the windows wait).
    void setRestartWaitMs(int ms) { restartWaitMs = ms; }
    // Pumps in their write at once at most (5,000 unless set, as pumpctl --parallel).
    void setParallel(int pumps) { parallel = pumps; }

    PlantModel &model() { return plant; }
    QTableView *tableView() const { return table; }
    QSortFilterProxyModel *proxyModel() const { return proxy; }
    QUndoStack *undoStack() const { return undo; }
    bool isBusy() const { return search || writer; }
    QString statusText() const;

public slots:
    void searchPumps();
    void writePumps();
    void stopWork();
    void openPlan();
    void savePlan();
    void saveReport();
    void copyCells();
    void pasteCells();
    void fillAddresses();
    // Opens a plan file; false, with a message, when it cannot be used.
    bool openPlanFile(const QString &path);
    bool savePlanFile(const QString &path);
    bool saveReportFile(const QString &path);
    // Fills the selected address cells with a series counting up from `first`.
    bool fillAddressesFrom(const QString &first);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildTable();
    void fitColumns();
    void setProfile(const ProgramProfile &profile);
    void takeFoundPump(int index);
    void searchFinished();
    void showSearchProgress();
    void showWriteProgress();
    void writeFinished();
    void refuseWrongCells(const QStringList &cells);
    bool confirmWrite(const QVector<int> &rows);
    void updateActions();
    void setStatus(const QString &text, int value, int maximum);
    void showMessage(const QString &text);
    QModelIndexList selectedSettingCells() const;

    PlantModel plant;
    QSortFilterProxyModel *proxy;
    QTableView *table;
    QUndoStack *undo;
    QLabel *statusLabel;
    QProgressBar *progress;
    QLineEdit *filterEdit;
    QComboBox *filterColumn;
    QComboBox *profileBox;
    QAction *searchAction = nullptr;
    QAction *writeAction = nullptr;
    QAction *stopAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *reportAction = nullptr;
    QAction *fillAction = nullptr;
    std::unique_ptr<PlantSearch> search;
    QVector<int> rowOfReadout;
    std::unique_ptr<PlantWriter> writer;
    QTimer progressTimer;
    QString pendingPlan;
    QString planPath;
    QString summary;
    int restartWaitMs = 15000;
    int parallel = StartQueue::defaultLimit;
    bool searchedOnce = false;
    bool closeWhenStopped = false;
};

#endif // PLANTWINDOW_H
