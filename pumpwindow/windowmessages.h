#ifndef WINDOWMESSAGES_H
#define WINDOWMESSAGES_H

#include "restartcheck.h"

#include <QPointer>
#include <QSerialPort>
#include <QString>
#include <QVector>

class QLabel;
class QMessageBox;
class QWidget;

// What the window tells the technician when something did not go as asked. The
// texts are built here, apart from the window, so that each can be read and
// checked as a whole.
namespace WindowMessages {

// `accessible`: this user may read and write the device, so a refusal comes from
// another program holding it.
QString portNotOpened(const QString &port, QSerialPort::SerialPortError error,
                      const QString &reason, bool accessible);
QString noPumpAnswered();
// The system would not reach the pump at `address` through `adapter` alone.
QString adapterRefused(const QString &adapter, const QString &address, const QString &network,
                       const QString &reason);
QString unknownSettings(const QVector<FormField> &unknown);
QString settingsNotRead(int missing, int all);
// `where`: the address the pump was asked at, or the serial port.
QString pumpSilentAfterRestart(const QString &where, bool serialLine);
QString settingsConfirmed();
QString settingsDiffer(const QVector<SettingDifference> &differences);
QString waitingForPump();

// Opens a message box on `window` without waiting for it to close. A box still
// open from before takes the new text instead, so a burst of failures never
// stacks boxes.
void show(QWidget *window, QPointer<QMessageBox> &box, const QString &text);

// A one-line note below Submit and Reset; it says what the last action came to.
QLabel *createNoteStrip(QWidget *centralWidget);
void showNote(QLabel *note, const QString &text);
void clearNote(QLabel *note);

} // namespace WindowMessages

#endif // WINDOWMESSAGES_H
