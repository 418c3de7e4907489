// The plant window's edits beyond typing: plans opened and saved, ranges copied and
// pasted, address series filled, the report saved.
#include "plantwindow.h"

#include "celledit.h"
#include "cellranges.h"
#include "planfile.h"
#include "plantreport.h"
#include "programprofile.h"
#include "pumplog.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUndoStack>

#include <algorithm>

namespace {

QDebug plantLog(const char *operation) { return logLine("[PLANT_WINDOW]", operation); }

const QString planFilter()
{
    return QCoreApplication::translate("PlantWindow", "Plans (*.csv *.txt);;All files (*)");
}

} // namespace

void PlantWindow::showMessage(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void PlantWindow::openPlan()
{
    const QString path
        = QFileDialog::getOpenFileName(this, tr("Open Plan"), planPath, planFilter());
    if (!path.isEmpty())
        openPlanFile(path);
}

bool PlantWindow::openPlanFile(const QString &path)
{
    PlanFile::Opened opened;
    QString message;
    if (!PlanFile::open(path, plant, &opened, &message)) {
        plantLog("openPlanFile") << QFileInfo(path).fileName() << "refused";
        showMessage(message);
        return false;
    }
    planPath = path;
    plant.clearPlanProblems();
    undo->push(
        new CellEdit(&plant, opened.changes, tr("Open plan %1").arg(QFileInfo(path).fileName())));
    for (const PlanFile::Opened::CellProblem &problem : opened.cellProblems)
        plant.setPlanProblem(problem.row, problem.setting, problem.what);
    plantLog("openPlanFile") << QFileInfo(path).fileName() << opened.changes.size() << "cells,"
                             << opened.notFound.size() << "pumps not found";
    if (!opened.notFound.isEmpty())
        setStatus(
            tr("Pumps the plan names but the search did not find: %L1").arg(opened.notFound.size()),
            0, 0);
    updateActions();
    return true;
}

void PlantWindow::savePlan()
{
    const QString path
        = QFileDialog::getSaveFileName(this, tr("Save Plan"), planPath, planFilter());
    if (!path.isEmpty())
        savePlanFile(path);
}

bool PlantWindow::savePlanFile(const QString &path)
{
    QString message;
    if (!PlanFile::save(path, plant, &message)) {
        showMessage(message);
        return false;
    }
    plantLog("savePlanFile") << QFileInfo(path).fileName();
    planPath = path;
    return true;
}

QModelIndexList PlantWindow::selectedSettingCells() const
{
    QModelIndexList cells;
    for (const QModelIndex &index : table->selectionModel()->selectedIndexes()) {
        if (plant.settingOfColumn(index.column()) >= 0)
            cells.append(index);
    }
    std::sort(cells.begin(), cells.end(), [](const QModelIndex &a, const QModelIndex &b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    return cells;
}

void PlantWindow::copyCells()
{
    const QModelIndexList selected = table->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int top = proxy->rowCount();
    int left = proxy->columnCount();
    int bottom = -1;
    int right = -1;
    for (const QModelIndex &index : selected) {
        top = qMin(top, index.row());
        bottom = qMax(bottom, index.row());
        left = qMin(left, index.column());
        right = qMax(right, index.column());
    }
    QVector<QStringList> rows;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column)
            cells.append(proxy->index(row, column).data().toString());
        rows.append(cells);
    }
    QApplication::clipboard()->setText(CellRanges::toTsv(rows));
}

void PlantWindow::pasteCells()
{
    if (isBusy())
        return;
    const QVector<QStringList> rows = CellRanges::fromTsv(QApplication::clipboard()->text());
    const QModelIndex start = table->currentIndex();
    if (rows.isEmpty() || !start.isValid())
        return;
    QVector<CellChange> changes;
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            const QModelIndex cell = proxy->index(start.row() + r, start.column() + c);
            const int setting = plant.settingOfColumn(start.column() + c);
            if (!cell.isValid() || setting < 0)
                continue;
            const int row = proxy->mapToSource(cell).row();
            changes.append({ row, setting, plant.row(row).edited.at(setting), rows.at(r).at(c) });
        }
    }
    if (changes.isEmpty())
        return;
    plantLog("pasteCells") << changes.size() << "cells";
    undo->push(new CellEdit(&plant, changes, tr("Paste")));
}

void PlantWindow::fillAddresses()
{
    const QModelIndexList cells = selectedSettingCells();
    if (cells.isEmpty())
        return;
    bool ok = false;
    const QString first
        = QInputDialog::getText(this, tr("Fill Addresses"),
                                tr("First address of the series (%L1 cells):").arg(cells.size()),
                                QLineEdit::Normal, cells.first().data().toString(), &ok);
    if (ok)
        fillAddressesFrom(first);
}

bool PlantWindow::fillAddressesFrom(const QString &first)
{
    const QModelIndexList cells = selectedSettingCells();
    for (const QModelIndex &cell : cells) {
        if (plant.profile().settings().at(plant.settingOfColumn(cell.column())).kind
            != SettingKind::Address) {
            showMessage(tr("Only address cells can be filled as a series."));
            return false;
        }
    }
    if (cells.isEmpty())
        return false;
    QStringList series;
    QString problem;
    if (!CellRanges::addressSeries(first, int(cells.size()), &series, &problem)) {
        showMessage(tr("The series cannot be filled: %1.").arg(problem));
        return false;
    }
    QVector<CellChange> changes;
    for (int i = 0; i < cells.size(); ++i) {
        const int row = proxy->mapToSource(cells.at(i)).row();
        const int setting = plant.settingOfColumn(cells.at(i).column());
        changes.append({ row, setting, plant.row(row).edited.at(setting), series.at(i) });
    }
    plantLog("fillAddressesFrom") << first << changes.size() << "cells";
    undo->push(new CellEdit(&plant, changes, tr("Fill addresses")));
    return true;
}

void PlantWindow::saveReport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Report"), QString(),
                                                      tr("PDF documents (*.pdf)"));
    if (!path.isEmpty())
        saveReportFile(path);
}

bool PlantWindow::saveReportFile(const QString &path)
{
    PlantReport report(plant, planPath, summary);
    if (!report.write(path)) {
        showMessage(tr("The report cannot be saved to %1.").arg(path));
        return false;
    }
    plantLog("saveReportFile") << QFileInfo(path).fileName();
    return true;
}
