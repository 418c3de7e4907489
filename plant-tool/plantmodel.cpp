#include "plantmodel.h"

#include "celledit.h"
#include "ipv4address.h"
#include "plan.h"
#include "plantlook.h"
#include "programprofile.h"
#include "settingvalue.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QUndoStack>

PlantModel::PlantModel(QObject *parent)
    : QAbstractTableModel(parent)
    , currentProfile(&ProgramProfile::network())
{
    batch.setSingleShot(true);
    batch.setInterval(batchMs);
    connect(&batch, &QTimer::timeout, this, &PlantModel::announce);
}

void PlantModel::setProfile(const ProgramProfile &profile)
{
    beginResetModel();
    currentProfile = &profile;
    rows.clear();
    shownRows = 0;
    changedRows.clear();
    endResetModel();
}

void PlantModel::clear() { setProfile(*currentProfile); }

int PlantModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shownRows;
}

int PlantModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : outcomeColumn() + 1;
}

int PlantModel::outcomeColumn() const
{
    return FirstSettingColumn + currentProfile->settingCount();
}

int PlantModel::settingOfColumn(int column) const
{
    const int setting = column - FirstSettingColumn;
    return setting >= 0 && setting < currentProfile->settingCount() ? setting : -1;
}

QString PlantModel::settingTitle(int setting) const
{
    // The windows' own title for the setting, in their words and language.
    return QCoreApplication::translate("SettingTitle",
                                       currentProfile->settings().at(setting).title);
}

QVariant PlantModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::ToolTipRole && settingOfColumn(section) >= 0)
        return QString::fromLatin1(
            currentProfile->settings().at(settingOfColumn(section)).mnemonic);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn:
        return tr("Pump");
    case AddressColumn:
        return tr("Address");
    case AdapterColumn:
        return tr("Adapter");
    default:
        break;
    }
    if (section == outcomeColumn())
        return tr("Outcome");
    return settingTitle(settingOfColumn(section));
}

Qt::ItemFlags PlantModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (settingOfColumn(index.column()) >= 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant PlantModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= shownRows)
        return QVariant();
    const PlantRow &pump = rows.at(index.row());
    const int setting = settingOfColumn(index.column());
    if (setting >= 0)
        return settingData(index.row(), setting, role);
    if (index.column() == outcomeColumn())
        return outcomeData(pump, role);
    if (role == Qt::BackgroundRole && pump.notFound)
        return QBrush(PlantLook::notFoundColour());
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    switch (index.column()) {
    case NameColumn:
        return pump.pump.name.isEmpty() ? pump.pump.label() : pump.pump.name;
    case AddressColumn:
        return pump.pump.address;
    case AdapterColumn:
        return pump.pump.adapter.label();
    default:
        return QVariant();
    }
}

QVariant PlantModel::settingData(int row, int setting, int role) const
{
    const PlantRow &pump = rows.at(row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(row, setting);
    case Qt::ToolTipRole: {
        const QString problem = cellProblem(row, setting);
        if (!problem.isNull())
            return problem;
        if (cellChanges(row, setting))
            return tr("The pump reported %1")
                .arg(pump.reported.value(setting).isNull()
                         ? tr("nothing")
                         : WriteResult::printable(pump.reported.at(setting)));
        return QVariant();
    }
    case Qt::BackgroundRole:
        if (!cellProblem(row, setting).isNull())
            return QBrush(PlantLook::wrongColour());
        if (cellChanges(row, setting))
            return QBrush(PlantLook::changedColour());
        if (pump.notFound)
            return QBrush(PlantLook::notFoundColour());
        return QVariant();
    case Qt::FontRole:
        if (cellChanges(row, setting)) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant PlantModel::outcomeData(const PlantRow &pump, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (pump.notFound)
            return tr("not found");
        if (pump.writing && pump.outcome == PumpOutcome::Unknown)
            return tr("writing…");
        if (pump.outcome == PumpOutcome::Unknown)
            return QVariant();
        return PlantLook::outcomeText(pump.outcome, pump.outcomeDetail);
    }
    if (role == Qt::ForegroundRole)
        return QBrush(pump.notFound ? QColor(Qt::darkGray)
                                    : PlantLook::outcomeColour(pump.outcome));
    if (role == Qt::BackgroundRole && pump.notFound)
        return QBrush(PlantLook::notFoundColour());
    return QVariant();
}

bool PlantModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int setting = settingOfColumn(index.column());
    if (role != Qt::EditRole || setting < 0 || index.row() >= shownRows)
        return false;
    const QString text = value.toString();
    const QString before = rows.at(index.row()).edited.at(setting);
    if (text == cellText(index.row(), setting) && before.isNull())
        return false;
    const QVector<CellChange> change { { index.row(), setting, before, text } };
    if (undoStack)
        undoStack->push(new CellEdit(this, change, tr("Edit %1").arg(settingTitle(setting))));
    else
        setEdit(index.row(), setting, text);
    return true;
}

int PlantModel::addPump(const FoundPump &pump)
{
    PlantRow row;
    row.pump = pump;
    for (int i = 0; i < currentProfile->settingCount(); ++i) {
        row.reported.append(QString());
        row.edited.append(QString());
        row.planProblems.append(QString());
    }
    rows.append(row);
    if (!batch.isActive())
        batch.start();
    return rows.size() - 1;
}

int PlantModel::addNotFound(const QString &pump)
{
    FoundPump named;
    if (canonicalIPv4(pump).isNull())
        named.name = pump;
    else
        named.address = canonicalIPv4(pump);
    const int row = addPump(named);
    rows[row].notFound = true;
    return row;
}

void PlantModel::setReported(int row, const QStringList &values)
{
    rows[row].reported = values;
    markChanged(row);
}

int PlantModel::findRow(const QString &pump) const
{
    const QString key = pumpKey(pump.trimmed());
    for (int i = 0; i < rows.size(); ++i) {
        const FoundPump &found = rows.at(i).pump;
        if ((!found.name.isEmpty() && pumpKey(found.name) == key)
            || (!found.address.isEmpty() && pumpKey(found.address) == key))
            return i;
    }
    return -1;
}

QString PlantModel::cellText(int row, int setting) const
{
    const PlantRow &pump = rows.at(row);
    if (!pump.edited.at(setting).isNull())
        return pump.edited.at(setting);
    const QString &reported = pump.reported.at(setting);
    if (reported.isNull())
        return QString();
    switch (currentProfile->settings().at(setting).kind) {
    case SettingKind::Assignment:
        return SettingValue::reportsDhcp(reported) ? QStringLiteral("DHCP")
                                                   : QStringLiteral("Static");
    case SettingKind::Switch:
        return SettingValue::reportsOn(reported) ? QStringLiteral("On") : QStringLiteral("Off");
    default:
        return WriteResult::printable(reported);
    }
}

void PlantModel::setEdit(int row, int setting, const QString &text)
{
    rows[row].edited[setting] = text;
    rows[row].planProblems[setting] = QString();
    const QModelIndex cell = index(row, FirstSettingColumn + setting);
    if (row < shownRows)
        emit dataChanged(cell, cell);
}

void PlantModel::setPlanProblem(int row, int setting, const QString &problem)
{
    rows[row].planProblems[setting] = problem;
    markChanged(row);
}

void PlantModel::clearPlanProblems()
{
    for (int row = 0; row < rows.size(); ++row) {
        for (QString &problem : rows[row].planProblems)
            problem = QString();
        markChanged(row);
    }
}

QString PlantModel::cellProblem(int row, int setting) const
{
    const PlantRow &pump = rows.at(row);
    if (!pump.planProblems.at(setting).isNull())
        return pump.planProblems.at(setting);
    if (pump.edited.at(setting).isNull())
        return QString();
    QString sent;
    QString problem;
    if (SettingValue::admit(currentProfile->settings().at(setting), pump.edited.at(setting), &sent,
                            &problem))
        return QString();
    return problem;
}

bool PlantModel::cellChanges(int row, int setting) const
{
    const PlantRow &pump = rows.at(row);
    const QString sent = sentText(row, setting);
    if (sent.isNull())
        return false;
    const QString &reported = pump.reported.at(setting);
    return reported.isNull()
        || !SettingValue::holds(currentProfile->settings().at(setting), sent, reported);
}

QString PlantModel::sentText(int row, int setting) const
{
    const QString &edited = rows.at(row).edited.at(setting);
    QString sent;
    QString problem;
    if (edited.isNull()
        || !SettingValue::admit(currentProfile->settings().at(setting), edited, &sent, &problem))
        return QString();
    return sent;
}

QVector<int> PlantModel::rowsToWrite() const
{
    QVector<int> changed;
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).notFound)
            continue;
        for (int setting = 0; setting < currentProfile->settingCount(); ++setting) {
            if (cellChanges(row, setting)) {
                changed.append(row);
                break;
            }
        }
    }
    return changed;
}

void PlantModel::setWriting(int row, bool writing)
{
    rows[row].writing = writing;
    markChanged(row);
}

void PlantModel::setOutcome(int row, PumpOutcome outcome, const QString &detail)
{
    if (outcome == PumpOutcome::Unknown)
        rows[row].written.clear();
    rows[row].outcome = outcome;
    rows[row].outcomeDetail = detail;
    rows[row].writing = false;
    markChanged(row);
}

void PlantModel::takeReadBack(int row, const QStringList &values)
{
    PlantRow &pump = rows[row];
    pump.written.clear();
    for (int setting = 0; setting < currentProfile->settingCount(); ++setting) {
        if (cellChanges(row, setting))
            pump.written.append(settingTitle(setting) + QStringLiteral(": ")
                                + cellText(row, setting));
    }
    for (int setting = 0; setting < values.size() && setting < pump.reported.size(); ++setting) {
        if (!values.at(setting).isNull())
            pump.reported[setting] = values.at(setting);
    }
    markChanged(row);
}

void PlantModel::clearOutcomes()
{
    for (int row = 0; row < rows.size(); ++row)
        setOutcome(row, PumpOutcome::Unknown, QString());
}

void PlantModel::markChanged(int row)
{
    changedRows.insert(row);
    if (!batch.isActive())
        batch.start();
}

// One insertion for the rows that came since the last batch, one dataChanged over
// the span of rows that changed.
void PlantModel::announce()
{
    if (shownRows < rows.size()) {
        beginInsertRows(QModelIndex(), shownRows, rows.size() - 1);
        shownRows = rows.size();
        endInsertRows();
    }
    if (changedRows.isEmpty())
        return;
    int first = rows.size();
    int last = -1;
    for (const int row : qAsConst(changedRows)) {
        first = qMin(first, row);
        last = qMax(last, row);
    }
    changedRows.clear();
    if (last >= 0 && first < shownRows)
        emit dataChanged(index(first, 0), index(qMin(last, shownRows - 1), outcomeColumn()));
}
