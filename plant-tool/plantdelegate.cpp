#include "plantdelegate.h"

#include "plantmodel.h"
#include "programprofile.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QLineEdit>

PlantDelegate::PlantDelegate(const PlantModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , plant(model)
{ }

QStringList PlantDelegate::choicesFor(const QModelIndex &index) const
{
    const int setting = plant.settingOfColumn(index.column());
    if (setting < 0)
        return QStringList();
    switch (plant.profile().settings().at(setting).kind) {
    case SettingKind::Assignment:
        return { QStringLiteral("DHCP"), QStringLiteral("Static") };
    case SettingKind::Switch:
        return { QStringLiteral("On"), QStringLiteral("Off") };
    default:
        return QStringList();
    }
}

QWidget *PlantDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const QStringList choices = choicesFor(index);
    if (choices.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *box = new QComboBox(parent);
    box->addItems(choices);
    return box;
}

void PlantDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        const int choice = box->findText(index.data(Qt::EditRole).toString(), Qt::MatchFixedString);
        box->setCurrentIndex(qMax(0, choice));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void PlantDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                 const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
