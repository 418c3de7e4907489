#include "celledit.h"

#include "plantmodel.h"

CellEdit::CellEdit(PlantModel *model, QVector<CellChange> changes, const QString &text)
    : QUndoCommand(text)
    , model(model)
    , changes(std::move(changes))
{ }

void CellEdit::undo()
{
    for (const CellChange &change : qAsConst(changes))
        model->setEdit(change.row, change.setting, change.before);
}

void CellEdit::redo()
{
    for (const CellChange &change : qAsConst(changes))
        model->setEdit(change.row, change.setting, change.after);
}
