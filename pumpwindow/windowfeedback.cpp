#include "windowfeedback.h"

#include "windowlog.h"
#include "windowmessages.h"

#include <QFileInfo>
#include <QLabel>
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

WindowFeedback::WindowFeedback(const QVector<FormField> &formFields, QWidget *centralWidget,
                               QWidget *parentWindow)
    : QObject(parentWindow)
    , fields(formFields)
    , window(parentWindow)
    , note(WindowMessages::createNoteStrip(centralWidget))
{
    setObjectName(QStringLiteral("windowFeedback"));
    // Members, made children so that they can be found by name from the window.
    watch.setParent(this);
    restartCheck.setParent(this);
    watch.watch(fields);
    connect(&watch, &SettingsWatch::firstAnswer, &restartCheck, &RestartCheck::noteAnswer);
    connect(&watch, &SettingsWatch::readEnded, this, &WindowFeedback::readEnded);
    connect(&restartCheck, &RestartCheck::rereadWanted, this, &WindowFeedback::rereadAfterRestart);
    connect(&restartCheck, &RestartCheck::pumpAnswered, this, [this] { emit busyChanged(false); });
    connect(&restartCheck, &RestartCheck::pumpSilent, this, &WindowFeedback::reportSilentPump);
    connect(&restartCheck, &RestartCheck::settingsConfirmed, this,
            [this] { WindowMessages::showNote(note, WindowMessages::settingsConfirmed()); });
    connect(&restartCheck, &RestartCheck::settingsDiffer, this, &WindowFeedback::reportDifferences);
}

void WindowFeedback::newAction()
{
    restartCheck.cancel();
    WindowMessages::clearNote(note);
}

void WindowFeedback::formCleared() { watch.forget(); }

void WindowFeedback::readStarted(int queryFrames, bool serialLine, const QString &where)
{
    readFrom = where;
    readOnSerialLine = serialLine;
    watch.beginRead(queryFrames, serialLine);
}

void WindowFeedback::settingShown(QWidget *editor) { watch.noteArrived(editor); }

bool WindowFeedback::refusesUnknownSettings()
{
    const QVector<FormField> unknown = watch.unfilled();
    if (unknown.isEmpty())
        return false;
    QDebug line = windowLog("on_btnSubmit_clicked");
    line << "Not sent, settings unknown:";
    for (const FormField &field : unknown)
        line << QString::fromLatin1(field.mnemonic());
    watch.shadeUnknown(unknown);
    WindowMessages::show(window, messageBox, WindowMessages::unknownSettings(unknown));
    return true;
}

void WindowFeedback::settingsWritten(const QMap<QByteArray, QString> &written)
{
    // A program that never reads its settings back cannot check them.
    if (!fields.isEmpty())
        restartCheck.begin(fields, written);
}

void WindowFeedback::restartWaitOver() { restartCheck.startRereading(); }

void WindowFeedback::reportPortFailure(const QString &port, QSerialPort::SerialPortError error,
                                       const QString &reason)
{
    // While a restarted pump is asked again and again, its check speaks once at the end.
    if (restartCheck.isActive())
        return;
    const QFileInfo device(deviceFile(port));
    const bool accessible = device.exists() && device.isReadable() && device.isWritable();
    WindowMessages::show(window, messageBox,
                         WindowMessages::portNotOpened(port, error, reason, accessible));
}

void WindowFeedback::reportAdapterRefusal(const QString &adapter, const QString &address,
                                          const QString &network, const QString &reason)
{
    WindowMessages::show(window, messageBox,
                         WindowMessages::adapterRefused(adapter, address, network, reason));
}

// Every read ends here, complete or not. A restarted pump's read is judged by its
// check first; once the check is over, or when none is going on, what did not
// arrive is told as after any read.
void WindowFeedback::readEnded()
{
    restartCheck.judgeRead();
    if (!restartCheck.isActive())
        reportIncompleteRead();
}

void WindowFeedback::rereadAfterRestart()
{
    emit rereadWanted();
    // A pump on a serial line may have answered inside the read already.
    if (restartCheck.isRetrying())
        emit busyChanged(true);
}

void WindowFeedback::reportSilentPump()
{
    emit busyChanged(false);
    const int all = fields.size();
    WindowMessages::showNote(note, WindowMessages::settingsNotRead(all, all));
    WindowMessages::show(window, messageBox,
                         WindowMessages::pumpSilentAfterRestart(readFrom, readOnSerialLine));
}

void WindowFeedback::reportDifferences(const QVector<SettingDifference> &differences)
{
    for (const SettingDifference &difference : differences)
        watch.shadeDiffering(difference.field.editor);
    WindowMessages::show(window, messageBox, WindowMessages::settingsDiffer(differences));
}

void WindowFeedback::reportIncompleteRead()
{
    const int missing = watch.missing().size();
    if (missing > 0)
        WindowMessages::showNote(note, WindowMessages::settingsNotRead(missing, fields.size()));
}
