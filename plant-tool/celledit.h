#ifndef CELLEDIT_H
#define CELLEDIT_H

#include <QString>
#include <QUndoCommand>
#include <QVector>

class PlantModel;

// One cell's edit: the text before and after (null: the pump's own value).
struct CellChange
{
    int row = 0;
    int setting = 0;
    QString before;
    QString after;
};

// Edits of one or many cells at once (a typed value, a paste, a filled series),
// undone and redone together.
class CellEdit : public QUndoCommand
{
public:
    CellEdit(PlantModel *model, QVector<CellChange> changes, const QString &text);

    void undo() override;
    void redo() override;

private:
    PlantModel *model;
    QVector<CellChange> changes;
};

#endif // CELLEDIT_H
