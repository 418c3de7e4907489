#ifndef PLANTMODEL_H
#define PLANTMODEL_H

#include "pumpdirectory.h"
#include "writeresult.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QVector>

class ProgramProfile;
class QUndoStack;

// One pump of the plant: as it answered the search and the read, the technician's
// edits, and what became of it in the last write.
struct PlantRow
{
    FoundPump pump; // with the adapter it answered on
    QStringList reported; // in the profile's order; null where the pump gave no answer
    QStringList edited; // null where the technician left the pump's value
    QStringList planProblems; // null where the plan put nothing wrong in the cell
    bool notFound = false; // named by a plan, not found by the search
    PumpOutcome outcome = PumpOutcome::Unknown;
    QString outcomeDetail;
    // The settings the last write changed, as "title: value", for the report.
    QStringList written;
    bool writing = false;
};

// The plant as a table: name, address, adapter, one column per setting of the
// profile, the outcome of the last write. Every cell is checked by the windows'
// value rules. Answers from the pumps come in thousands: rows and changes are
// announced to the views in batches, at most every batchMs.
class PlantModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, AddressColumn, AdapterColumn, FirstSettingColumn };
    static constexpr int batchMs = 50;

    explicit PlantModel(QObject *parent = nullptr);

    void setProfile(const ProgramProfile &profile);
    const ProgramProfile &profile() const { return *currentProfile; }
    // Edits through setData() become commands on this stack.
    void setUndoStack(QUndoStack *stack) { undoStack = stack; }
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    int outcomeColumn() const;
    // The setting a column shows, or -1.
    int settingOfColumn(int column) const;
    QString settingTitle(int setting) const;

    // Rows come from the search and the plan; they are shown with the next batch.
    int addPump(const FoundPump &pump);
    int addNotFound(const QString &pump);
    void setReported(int row, const QStringList &values);
    // The row of the pump a plan names, by name or address, or -1.
    int findRow(const QString &pump) const;
    const PlantRow &row(int row) const { return rows.at(row); }
    int pumpCount() const { return rows.size(); }

    // What the cell shows: the technician's edit, else what the pump reported as its
    // window shows it.
    QString cellText(int row, int setting) const;
    // Used by the undo commands: null text takes the edit back.
    void setEdit(int row, int setting, const QString &text);
    void setPlanProblem(int row, int setting, const QString &problem);
    void clearPlanProblems();
    // Why the cell cannot be sent, or null.
    QString cellProblem(int row, int setting) const;
    // The edit would change what the pump holds.
    bool cellChanges(int row, int setting) const;
    // The text to send for an edited cell (the windows' spelling), or null.
    QString sentText(int row, int setting) const;
    // Rows the technician changed, found by the search.
    QVector<int> rowsToWrite() const;

    void setWriting(int row, bool writing);
    void setOutcome(int row, PumpOutcome outcome, const QString &detail);
    // What the pump answered when it was read back: the answered settings replace
    // what it reported before. The changes it was written are kept for the report.
    void takeReadBack(int row, const QStringList &values);
    void clearOutcomes();

private:
    void markChanged(int row);
    void announce();
    QVariant settingData(int row, int setting, int role) const;
    QVariant outcomeData(const PlantRow &row, int role) const;

    const ProgramProfile *currentProfile;
    QUndoStack *undoStack = nullptr;
    QVector<PlantRow> rows;
    int shownRows = 0;
    QSet<int> changedRows;
    QTimer batch;
};

#endif // PLANTMODEL_H
