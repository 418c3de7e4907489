#ifndef PLAN_H
#define PLAN_H

#include "planreader.h"

#include <QString>
#include <QStringList>
#include <QVector>

class ProgramProfile;

// One pump's row of a plan, checked: the values the windows would send, one per
// setting of the profile. A null value means "keep what the pump holds".
struct PlannedPump
{
    QString pump; // a name or an address, as the row gives it
    int line = 0;
    int pumpColumn = 1;
    QStringList values;
    // Where each setting's cell stands (0 when its column is left out), so that a
    // problem found later can still be placed.
    QVector<int> columns;

    bool keepsSome() const;
};

// A plan read and checked against a profile: the header names the pump column
// first, then settings by mnemonic in any case; every cell obeys the value rules
// of its setting's window. Every problem is collected, none stops the checking.
class Plan
{
public:
    Plan(const ProgramProfile &profile, bool allowEmptyKeys);

    // Checks the rows a PlanReader read; true when there is nothing wrong.
    bool check(const QVector<QVector<PlanCell>> &rows);
    // Adds problems found elsewhere (the reader's, the search's), kept in order.
    void addProblem(const PlanProblem &problem);

    const QVector<PlannedPump> &pumps() const { return planned; }
    const QVector<PlanProblem> &problems() const { return found; }
    // Every problem as `file:LINE:COLUMN: what is wrong`, in the order of the file.
    QStringList report(const QString &fileName) const;

private:
    bool checkHeader(const QVector<PlanCell> &header);
    void checkRow(const QVector<PlanCell> &row);
    void checkValue(const PlanCell &cell, int settingIndex, PlannedPump *pump);
    void problem(int line, int column, const QString &what);
    QString mnemonicList() const;

    const ProgramProfile &profile;
    bool allowEmptyKeys;
    // For every column after the pump's: the setting it holds.
    QVector<int> settingOfColumn;
    QVector<PlannedPump> planned;
    QVector<PlanProblem> found;
};

// Whether two ways of naming a pump name the same one: names in any case,
// addresses as numbers ("10.0.0.05" is "10.0.0.5").
QString pumpKey(const QString &pump);

#endif // PLAN_H
