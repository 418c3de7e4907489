// The part of the window that tells the technician what happened: ports that do
// not open, reads that stay incomplete, a pump that does not come back after its
// restart, and whether it holds what was written.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "programbinding.h"
#include "placeholderpainter.h"
#include "textfitter.h"
#include "windowlog.h"
#include "windowmessages.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSerialPortInfo>

namespace {

// The device file behind a port name, as the system lists it or as it was given.
QString deviceFile(const QString &port)
{
    const QSerialPortInfo info(port);
    if (!info.isNull())
        return info.systemLocation();
    return port.startsWith(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port;
}

} // namespace

void MainWindow::connectHints()
{
    // Members, made children so that they can be found by name, like the timers.
    settingsWatch.setParent(this);
    restartCheck.setParent(this);
    note = WindowMessages::createNoteStrip(ui->centralWidget);
    restartOverlayText = ui->labelSpinner_text->text();
    new PlaceholderPainter(ui->dropDownPumps);

    connect(&pumpManager, &PumpManager::serialPortOpenFailed, this, &MainWindow::reportPortFailure);
    // Made before the selection's own connection, so a pick ends the hints first.
    connect(ui->dropDownPumps, QOverload<int>::of(&QComboBox::activated), this,
            &MainWindow::endHints);
    if (!ProgramBinding::readsSettings())
        return;
    settingsWatch.watch(form.fields());
    connect(&settingsWatch, &SettingsWatch::readEnded, this, &MainWindow::reportIncompleteRead);
    connect(&restartCheck, &RestartCheck::rereadWanted, this, &MainWindow::rereadAfterRestart);
    connect(&restartCheck, &RestartCheck::pumpAnswered, this,
            [this] { setRetryOverlayShown(false); });
    connect(&restartCheck, &RestartCheck::pumpSilent, this, &MainWindow::reportSilentPump);
    connect(&restartCheck, &RestartCheck::settingsConfirmed, this,
            [this] { WindowMessages::showNote(note, WindowMessages::settingsConfirmed()); });
    connect(&restartCheck, &RestartCheck::settingsDiffer, this, &MainWindow::reportDifferences);
}

// The technician has moved on: what was said about the last action goes.
void MainWindow::endHints()
{
    restartCheck.cancel();
    WindowMessages::clearNote(note);
}

void MainWindow::reportPortFailure(const QString &port, QSerialPort::SerialPortError error,
                                   const QString &reason)
{
    // While a restarted pump is asked again and again, its check speaks once at the end.
    if (restartCheck.isActive())
        return;
    const QFileInfo device(deviceFile(port));
    const bool accessible = device.exists() && device.isReadable() && device.isWritable();
    WindowMessages::show(this, messageBox,
                         WindowMessages::portNotOpened(port, error, reason, accessible));
}

bool MainWindow::refuseUnknownSettings()
{
    const QVector<FormField> unknown = settingsWatch.unfilled();
    if (unknown.isEmpty())
        return false;
    QDebug line = windowLog("on_btnSubmit_clicked");
    line << "Not sent, settings unknown:";
    for (const FormField &field : unknown)
        line << QString::fromLatin1(field.mnemonic);
    settingsWatch.shadeUnknown(unknown);
    WindowMessages::show(this, messageBox, WindowMessages::unknownSettings(unknown));
    return true;
}

void MainWindow::rereadAfterRestart()
{
    on_pump_selected(ui->dropDownPumps->currentIndex());
    // A pump on a serial line may have answered inside the selection already.
    if (restartCheck.isRetrying())
        setRetryOverlayShown(true);
}

// While the restarted pump is asked again, the wait goes on: overlay up, nothing usable.
void MainWindow::setRetryOverlayShown(bool shown)
{
    setControlsEnabled(!shown);
    setFormEnabled(!shown);
    ui->labelSpinner_text->setText(shown ? WindowMessages::waitingForPump() : restartOverlayText);
    TextFitter::fit(ui->labelSpinner_text);
    ui->labelSpinner->setVisible(shown);
    ui->labelSpinner_text->setVisible(shown);
}

void MainWindow::reportSilentPump()
{
    setRetryOverlayShown(false);
    const int index = ui->dropDownPumps->currentIndex();
    const bool serialLine = ui->dropDownConnection->currentIndex() != 0;
    QString where = ui->dropDownConnection->currentText();
    if (!serialLine && index >= 0 && index < pumps.size())
        where = QString::fromStdString(pumps.at(index).address);
    const int all = form.fields().size();
    WindowMessages::showNote(note, WindowMessages::settingsNotRead(all, all));
    WindowMessages::show(this, messageBox,
                         WindowMessages::pumpSilentAfterRestart(where, serialLine));
}

void MainWindow::reportDifferences(const QVector<SettingDifference> &differences)
{
    for (const SettingDifference &difference : differences)
        settingsWatch.shadeDiffering(difference.field.editor);
    WindowMessages::show(this, messageBox, WindowMessages::settingsDiffer(differences));
}

void MainWindow::reportIncompleteRead()
{
    // A restarted pump's read is judged by its check.
    if (restartCheck.isActive())
        return;
    const int missing = settingsWatch.missing().size();
    if (missing > 0)
        WindowMessages::showNote(note,
                                 WindowMessages::settingsNotRead(missing, form.fields().size()));
}
