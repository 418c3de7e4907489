#include "plan.h"

#include "ipv4address.h"
#include "programprofile.h"
#include "settingvalue.h"

#include <QHash>
#include <algorithm>

bool PlannedPump::keepsSome() const
{
    for (const QString &value : values) {
        if (value.isNull())
            return true;
    }
    return false;
}

QString pumpKey(const QString &pump)
{
    const QString address = canonicalIPv4(pump);
    return address.isNull() ? pump.toUpper() : address;
}

Plan::Plan(const ProgramProfile &profile, bool allowEmptyKeys)
    : profile(profile)
    , allowEmptyKeys(allowEmptyKeys)
{ }

bool Plan::check(const QVector<QVector<PlanCell>> &rows)
{
    if (rows.isEmpty()) {
        // A file the reader could not cut into rows has been explained already.
        if (found.isEmpty())
            problem(1, 1, QStringLiteral("the plan is empty: it needs a header row"));
        return false;
    }
    if (!checkHeader(rows.first()))
        return false;
    if (rows.size() == 1)
        problem(rows.first().first().line, 1, QStringLiteral("the plan names no pump"));
    for (int i = 1; i < rows.size(); ++i)
        checkRow(rows.at(i));

    QHash<QString, int> lineOfPump;
    for (const PlannedPump &pump : qAsConst(planned)) {
        if (pump.pump.isEmpty() || SettingValue::hasControlCharacter(pump.pump))
            continue;
        const QString key = pumpKey(pump.pump);
        if (lineOfPump.contains(key)) {
            problem(pump.line, pump.pumpColumn,
                    QStringLiteral("pump \"%1\" is planned on line %2 already")
                        .arg(pump.pump)
                        .arg(lineOfPump.value(key)));
        } else {
            lineOfPump.insert(key, pump.line);
        }
    }
    return found.isEmpty();
}

bool Plan::checkHeader(const QVector<PlanCell> &header)
{
    const int lineCount = found.size();
    const PlanCell &first = header.first();
    if (first.broken || first.text.trimmed().compare(QLatin1String("pump"), Qt::CaseInsensitive))
        problem(first.line, 1, QStringLiteral("the first column must be \"pump\""));
    QVector<bool> named(profile.settingCount(), false);
    for (int column = 1; column < header.size(); ++column) {
        const PlanCell &cell = header.at(column);
        const QByteArray mnemonic = cell.text.trimmed().toUpper().toLatin1();
        const int index = cell.broken ? -1 : profile.indexOf(mnemonic);
        settingOfColumn.append(index);
        if (cell.broken)
            continue;
        if (SettingValue::hasControlCharacter(cell.text)) {
            problem(cell.line, cell.column,
                    QStringLiteral("the column name holds a control character"));
        } else if (index < 0) {
            problem(cell.line, cell.column,
                    QStringLiteral("unknown column \"%1\": the %2 profile has %3")
                        .arg(cell.text, profile.name(), mnemonicList()));
        } else if (named.at(index)) {
            problem(cell.line, cell.column,
                    QStringLiteral("column %1 appears twice").arg(QString::fromLatin1(mnemonic)));
        }
        if (index >= 0)
            named[index] = true;
    }
    // Keys cannot be read back, so nothing can stand in for a key left out.
    if (!profile.readsSettings()) {
        for (int i = 0; i < named.size(); ++i) {
            if (!named.at(i))
                problem(first.line, header.size() + 1,
                        QStringLiteral("column %1 is missing: a key plan needs all %2 keys")
                            .arg(QString::fromLatin1(profile.settings().at(i).mnemonic))
                            .arg(profile.settingCount()));
        }
    }
    return found.size() == lineCount;
}

QString Plan::mnemonicList() const
{
    QStringList names;
    for (const SettingDescription &setting : profile.settings())
        names.append(QString::fromLatin1(setting.mnemonic));
    return names.join(QLatin1Char(' '));
}

void Plan::checkRow(const QVector<PlanCell> &row)
{
    const int line = row.first().line;
    const int headerColumns = settingOfColumn.size() + 1;
    if (row.size() != headerColumns) {
        // The first cell missing, or the first one too many.
        const int column = std::min(int(row.size()), headerColumns) + 1;
        problem(line, column,
                QStringLiteral("the row has %1 cells, the header %2")
                    .arg(row.size())
                    .arg(headerColumns));
        return;
    }
    PlannedPump pump;
    pump.line = line;
    const PlanCell &name = row.first();
    pump.pump = name.text.trimmed();
    if (!name.broken) {
        if (SettingValue::hasControlCharacter(name.text))
            problem(line, 1, QStringLiteral("the pump cell holds a control character"));
        else if (pump.pump.isEmpty())
            problem(line, 1, QStringLiteral("the pump cell is empty: name a pump or its address"));
    }
    for (int i = 0; i < profile.settingCount(); ++i)
        pump.values.append(QString());
    pump.columns.fill(0, profile.settingCount());
    for (int column = 1; column < row.size(); ++column)
        checkValue(row.at(column), settingOfColumn.at(column - 1), &pump);
    planned.append(pump);
}

void Plan::checkValue(const PlanCell &cell, int settingIndex, PlannedPump *pump)
{
    if (cell.broken || settingIndex < 0)
        return;
    const SettingDescription &setting = profile.settings().at(settingIndex);
    pump->columns[settingIndex] = cell.column;
    const bool isKey = setting.kind == SettingKind::Key;
    // A key is sent as written; other values may carry a spreadsheet's padding, but
    // never a control character, padding or not.
    QString sent;
    QString why;
    if (SettingValue::hasControlCharacter(cell.text)) {
        SettingValue::admit(setting, cell.text, &sent, &why);
        problem(cell.line, cell.column, why);
        return;
    }
    const QString typed = isKey ? cell.text : cell.text.trimmed();
    if (typed.isEmpty()) {
        if (!isKey)
            return;
        if (!allowEmptyKeys) {
            problem(cell.line, cell.column,
                    QStringLiteral("%1 is empty (give --allow-empty-keys to send an empty key)")
                        .arg(QString::fromLatin1(setting.mnemonic)));
            return;
        }
    }
    if (SettingValue::admit(setting, typed, &sent, &why))
        pump->values[settingIndex] = sent.isNull() ? QStringLiteral("") : sent;
    else
        problem(cell.line, cell.column, why);
}

void Plan::addProblem(const PlanProblem &added) { found.append(added); }

void Plan::problem(int line, int column, const QString &what)
{
    found.append({ line, column, what });
}

QStringList Plan::report(const QString &fileName) const
{
    QVector<PlanProblem> ordered = found;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const PlanProblem &a, const PlanProblem &b) {
                         return a.line < b.line || (a.line == b.line && a.column < b.column);
                     });
    QStringList lines;
    for (const PlanProblem &each : qAsConst(ordered))
        lines.append(QStringLiteral("%1:%2:%3: %4")
                         .arg(fileName)
                         .arg(each.line)
                         .arg(each.column)
                         .arg(each.what));
    return lines;
}
