#include "planfile.h"

#include "plan.h"
#include "planreader.h"
#include "plantmodel.h"
#include "programprofile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString csvCell(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A problem of one cell of a pump's row, not of the plan as a whole.
bool isCellProblem(const PlanProblem &problem) { return problem.line > 1 && problem.column > 1; }

} // namespace

bool PlanFile::open(const QString &path, PlantModel &model, Opened *opened, QString *message)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        *message = tr("The plan %1 cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    PlanReader reader;
    reader.read(&file);
    Plan plan(model.profile(), false);
    for (const PlanProblem &problem : reader.problems())
        plan.addProblem(problem);
    plan.check(reader.rows());
    QStringList wholePlan;
    for (const PlanProblem &problem : plan.problems()) {
        if (!isCellProblem(problem))
            wholePlan.append(tr("line %1, column %2: %3")
                                 .arg(problem.line)
                                 .arg(problem.column)
                                 .arg(problem.what));
    }
    if (!wholePlan.isEmpty() || reader.rows().size() < 2) {
        *message = tr("The plan %1 cannot be used; the table is left as it was.\n%2")
                       .arg(name, wholePlan.join(QLatin1Char('\n')));
        return false;
    }
    const QVector<PlanCell> &header = reader.rows().first();
    QVector<int> settingOfColumn;
    for (const PlanCell &cell : header)
        settingOfColumn.append(model.profile().indexOf(cell.text.trimmed().toUpper().toLatin1()));
    for (int i = 1; i < reader.rows().size(); ++i) {
        const QVector<PlanCell> &cells = reader.rows().at(i);
        const QString pump = cells.first().text.trimmed();
        int row = model.findRow(pump);
        if (row < 0) {
            row = model.addNotFound(pump);
            opened->notFound.append(pump);
        }
        for (int column = 1; column < cells.size() && column < settingOfColumn.size(); ++column) {
            const PlanCell &cell = cells.at(column);
            const int setting = settingOfColumn.at(column);
            if (setting < 0 || cell.text.isEmpty())
                continue;
            opened->changes.append({ row, setting, model.row(row).edited.at(setting), cell.text });
            for (const PlanProblem &problem : plan.problems()) {
                if (problem.line == cell.line && problem.column == cell.column)
                    opened->cellProblems.append({ row, setting,
                                                  tr("%1, line %2, column %3: %4")
                                                      .arg(name)
                                                      .arg(cell.line)
                                                      .arg(cell.column)
                                                      .arg(problem.what) });
            }
        }
    }
    return true;
}

bool PlanFile::save(const QString &path, const PlantModel &model, QString *message)
{
    const ProgramProfile &profile = model.profile();
    QStringList lines;
    QStringList header { QStringLiteral("pump") };
    for (const SettingDescription &setting : profile.settings())
        header.append(QString::fromLatin1(setting.mnemonic));
    lines.append(header.join(QLatin1Char(',')));
    for (int row = 0; row < model.pumpCount(); ++row) {
        const PlantRow &pump = model.row(row);
        QStringList cells { csvCell(pump.pump.label()) };
        bool edited = false;
        for (int setting = 0; setting < profile.settingCount(); ++setting) {
            edited = edited || !pump.edited.at(setting).isNull();
            cells.append(csvCell(pump.edited.at(setting)));
        }
        if (edited)
            lines.append(cells.join(QLatin1Char(',')));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *message = tr("The plan cannot be saved: %1").arg(file.errorString());
        return false;
    }
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!file.commit()) {
        *message = tr("The plan cannot be saved: %1").arg(file.errorString());
        return false;
    }
    return true;
}
