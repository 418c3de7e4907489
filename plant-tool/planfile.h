#ifndef PLANFILE_H
#define PLANFILE_H

#include "celledit.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class PlantModel;

// A pumpctl plan opened into the table or saved from it.
class PlanFile
{
    Q_DECLARE_TR_FUNCTIONS(PlanFile)

public:
    // What a plan asks of the table: the cells it sets (rows by the model's index),
    // the problems of single cells (shown in the table), and the pumps it names that
    // the table does not hold.
    struct Opened
    {
        QVector<CellChange> changes;
        struct CellProblem
        {
            int row;
            int setting;
            QString what;
        };
        QVector<CellProblem> cellProblems;
        QStringList notFound;
    };

    // Reads `path` against the model's profile. False when the plan as a whole cannot
    // be used (not a table, empty, a pump named twice, an unknown column): *message
    // then says why and nothing is to change. Pumps not found are added to the model
    // as rows marked so, with their cells in `changes`.
    static bool open(const QString &path, PlantModel &model, Opened *opened, QString *message);
    // Every row with an edit, by its pump's name, each edited cell as shown.
    static bool save(const QString &path, const PlantModel &model, QString *message);
};

#endif // PLANFILE_H
