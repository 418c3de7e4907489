// The plant window's write: the checks before it, the confirmation, its progress by
// phase and its summary.
#include "plantwindow.h"

#include "plantwriter.h"
#include "programprofile.h"
#include "pumplog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

namespace {

// A refusal names this many wrong cells at most, then says how many more.
constexpr int cellsNamed = 12;

QDebug plantLog(const char *operation) { return logLine("[PLANT_WINDOW]", operation); }

} // namespace

void PlantWindow::writePumps()
{
    if (isBusy())
        return;
    QStringList wrong;
    for (int row = 0; row < plant.pumpCount(); ++row) {
        for (int setting = 0; setting < plant.profile().settingCount(); ++setting) {
            if (!plant.cellProblem(row, setting).isNull())
                wrong.append(tr("%1, %2: %3")
                                 .arg(plant.row(row).pump.label(), plant.settingTitle(setting),
                                      plant.cellProblem(row, setting)));
        }
    }
    if (!wrong.isEmpty()) {
        refuseWrongCells(wrong);
        return;
    }
    const QVector<int> rows = plant.rowsToWrite();
    if (rows.isEmpty()) {
        QMessageBox::information(
            this, windowTitle(),
            tr("No cell changes what a pump holds: there is nothing to write."));
        return;
    }
    if (!confirmWrite(rows))
        return;
    plantLog("writePumps") << rows.size() << "pumps";
    plant.clearOutcomes();
    WriteOptions options;
    options.planName = planPath.isEmpty() ? tr("table") : planPath;
    options.restartWaitMs = restartWaitMs;
    options.parallel = parallel;
    writer = std::make_unique<PlantWriter>(plant, rows, options);
    connect(writer.get(), &PlantWriter::finished, this, &PlantWindow::writeFinished,
            Qt::QueuedConnection);
    if (!writer->start()) {
        const QStringList problems = writer->problems();
        plantLog("writePumps") << "refused:" << problems.size() << "problems";
        writer.reset();
        QMessageBox::warning(this, windowTitle(),
                             tr("Nothing was sent:\n%1").arg(problems.join(QLatin1Char('\n'))));
        return;
    }
    progressTimer.start();
    showWriteProgress();
    updateActions();
}

void PlantWindow::refuseWrongCells(const QStringList &cells)
{
    plantLog("writePumps") << "refused:" << cells.size() << "wrong cells";
    QStringList named = cells.mid(0, cellsNamed);
    if (cells.size() > cellsNamed)
        named.append(tr("… and %L1 more").arg(cells.size() - cellsNamed));
    QMessageBox::warning(this, windowTitle(),
                         tr("Nothing was sent. Please correct the red cells:\n%1")
                             .arg(named.join(QLatin1Char('\n'))));
}

// How many pumps and which settings change; the default button writes.
bool PlantWindow::confirmWrite(const QVector<int> &rows)
{
    QStringList settings;
    for (int setting = 0; setting < plant.profile().settingCount(); ++setting) {
        int pumps = 0;
        for (const int row : rows)
            pumps += plant.cellChanges(row, setting) ? 1 : 0;
        if (pumps > 0)
            settings.append(
                pumps == 1 ? tr("%1 on 1 pump").arg(plant.settingTitle(setting))
                           : tr("%1 on %L2 pumps").arg(plant.settingTitle(setting)).arg(pumps));
    }
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    rows.size() == 1 ? tr("Write 1 pump?")
                                     : tr("Write %L1 pumps?").arg(rows.size()),
                    QMessageBox::NoButton, this);
    box.setInformativeText(tr("These settings change:\n%1\n\nEach pump saves and restarts; "
                              "then it is read back.")
                               .arg(settings.join(QLatin1Char('\n'))));
    QPushButton *write = box.addButton(tr("Write"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(write);
    box.exec();
    return box.clickedButton() == write;
}

void PlantWindow::showWriteProgress()
{
    using Phase = PlanWrite::Phase;
    const PlanWrite &write = writer->write();
    const int total = writer->pumpCount();
    const FleetReader *reader = write.currentReader();
    const int read = reader ? reader->readouts().size() - reader->incompleteCount() : 0;
    const int reading = reader ? reader->readouts().size() : 0;
    switch (write.phase()) {
    case Phase::Search:
        setStatus(tr("Finding the pumps to write"), 0, 0);
        break;
    case Phase::ReadFirst:
        setStatus(tr("Reading first: %L1 of %L2 pumps").arg(read).arg(reading), read, reading);
        break;
    case Phase::Write:
        setStatus(tr("Writing: %L1 of %L2 pumps").arg(write.writesFinished()).arg(total),
                  write.writesFinished(), total);
        break;
    case Phase::RestartWait:
        setStatus(
            tr("Waiting for the restart: %1 s left").arg((write.restartMsLeft() + 999) / 1000), 0,
            0);
        break;
    case Phase::Verify:
        if (reader && reader->pumpsAskedAgainCount() > 0)
            setStatus(tr("Verifying: asking again %L1 settings from %L2 pumps")
                          .arg(reader->settingsAskedAgainCount())
                          .arg(reader->pumpsAskedAgainCount()),
                      read, reading);
        else
            setStatus(tr("Verifying: %L1 of %L2 pumps").arg(read).arg(reading), read, reading);
        break;
    case Phase::Done:
        break;
    }
}

void PlantWindow::writeFinished()
{
    progressTimer.stop();
    const int total = writer->pumpCount();
    const int confirmed = writer->confirmedCount();
    const bool stopped = writer->write().wasInterrupted();
    const QStringList problems = writer->problems();
    if (stopped)
        plantLog("writeFinished") << confirmed << "of" << total << "confirmed, stopped";
    else
        plantLog("writeFinished") << confirmed << "of" << total << "confirmed";
    writer.reset();
    updateActions();
    if (!problems.isEmpty()) {
        setStatus(tr("Nothing was sent."), 0, 0);
        QMessageBox::warning(this, windowTitle(),
                             tr("Nothing was sent:\n%1").arg(problems.join(QLatin1Char('\n'))));
        return;
    }
    summary = tr("%L1 of %L2 pumps confirmed.").arg(confirmed).arg(total);
    if (stopped)
        summary = tr("Stopped. ") + summary;
    setStatus(summary, 0, 0);
    if (closeWhenStopped) {
        close();
        return;
    }
    auto *box
        = new QMessageBox(confirmed == total ? QMessageBox::Information : QMessageBox::Warning,
                          windowTitle(), summary, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
