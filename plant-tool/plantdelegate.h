#ifndef PLANTDELEGATE_H
#define PLANTDELEGATE_H

#include <QStyledItemDelegate>

class PlantModel;

// Edits a setting's cell as its window's form does: a choice of two for the
// assignment and the switches, a line of text for the rest. What is typed is checked
// by the model, which marks a wrong cell instead of refusing it, so that a pasted or
// planned value is never lost.
class PlantDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    PlantDelegate(const PlantModel &model, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    QStringList choicesFor(const QModelIndex &index) const;

    const PlantModel &plant;
};

#endif // PLANTDELEGATE_H
