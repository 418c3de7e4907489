#ifndef WINDOWMESSAGES_H
#define WINDOWMESSAGES_H

#include "restartcheck.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSerialPort>
#include <QString>
#include <QVector>

class QLabel;
class QMessageBox;
class QWidget;

// What the window tells the technician when something did not go as asked. The
// texts are built here, apart from the window, so that each can be read and
// checked as a whole; each in the language the window speaks.
class WindowMessages
{
    Q_DECLARE_TR_FUNCTIONS(WindowMessages)

public:
    // `accessible`: this user may read and write the device, so a refusal comes from
    // another program holding it.
    static QString portNotOpened(const QString &port, QSerialPort::SerialPortError error,
                                 const QString &reason, bool accessible);
    static QString noPumpAnswered();
    // The system would not reach the pump at `address` through `adapter` alone.
    static QString adapterRefused(const QString &adapter, const QString &address,
                                  const QString &network, const QString &reason);
    static QString unknownSettings(const QVector<FormField> &unknown);
    static QString settingsNotRead(int missing, int all);
    // `where`: the address the pump was asked at, or the serial port.
    static QString pumpSilentAfterRestart(const QString &where, bool serialLine);
    static QString settingsConfirmed();
    static QString settingsDiffer(const QVector<SettingDifference> &differences);
    static QString waitingForPump();

    // Opens a message box on `window` without waiting for it to close. A box still
    // open from before takes the new text instead, so a burst of failures never
    // stacks boxes.
    static void show(QWidget *window, QPointer<QMessageBox> &box, const QString &text);

    // A one-line note below Submit and Reset; it says what the last action came to.
    static QLabel *createNoteStrip(QWidget *centralWidget);
    static void showNote(QLabel *note, const QString &text);
    static void clearNote(QLabel *note);

private:
    // What the technician calls the setting, and a value of it as the form shows it.
    static QString titleOf(const FormField &field);
    static QString shownValue(const FormField &field, const QString &value);
};

#endif // WINDOWMESSAGES_H
