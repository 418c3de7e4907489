#ifndef WINDOWFEEDBACK_H
#define WINDOWFEEDBACK_H

#include "formfield.h"
#include "restartcheck.h"
#include "settingswatch.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QString>
#include <QVector>

class QLabel;
class QMessageBox;
class QWidget;

// What the window tells the technician beyond the form itself: ports that do not
// open, reads that stay incomplete, a pump that does not come back after its
// restart, and whether it holds what was written. It owns the watch over each read,
// the check after a restart, the note below Submit and the message box. The window
// tells it what happens by calls; it answers the window by signals only.
class WindowFeedback : public QObject
{
    Q_OBJECT

public:
    // `fields`: the settings a read fills in, none in a program that never reads them
    // back. The note goes on `centralWidget`; message boxes open on `window`, which
    // owns the feedback.
    WindowFeedback(const QVector<FormField> &fields, QWidget *centralWidget, QWidget *window);

    // The technician starts something new: what was said about the last action goes.
    void newAction();
    // The form was cleared: nothing on it is known any more.
    void formCleared();
    // A read of `queryFrames` settings starts; `where` is the pump's address, or the
    // serial port on a serial line.
    void readStarted(int queryFrames, bool serialLine, const QString &where);
    // The pump's value for the setting in `editor` is on the form now.
    void settingShown(QWidget *editor);
    // True when settings neither read nor filled in keep Submit from sending; the
    // technician has been told which.
    bool refusesUnknownSettings();
    // The settings went to the pump: `written` holds each field's value by mnemonic.
    void settingsWritten(const QMap<QByteArray, QString> &written);
    // The restart wait is over and the first re-read has started.
    void restartWaitOver();

public slots:
    void reportPortFailure(const QString &port, QSerialPort::SerialPortError error,
                           const QString &reason);
    void reportAdapterRefusal(const QString &adapter, const QString &address,
                              const QString &network, const QString &reason);

signals:
    // The selected pump is to be read once more.
    void rereadWanted();
    // While a restarted pump is asked again, the wait goes on and nothing is usable.
    void busyChanged(bool busy);

private:
    void readEnded();
    void rereadAfterRestart();
    void reportSilentPump();
    void reportDifferences(const QVector<SettingDifference> &differences);
    void reportIncompleteRead();

    QVector<FormField> fields;
    QWidget *window;
    SettingsWatch watch;
    RestartCheck restartCheck { &watch };
    QLabel *note;
    QPointer<QMessageBox> messageBox;
    QString readFrom;
    bool readOnSerialLine = false;
};

#endif // WINDOWFEEDBACK_H
