#include "windowmessages.h"

#include "settingvalue.h"
#include "textfitter.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QLabel>
#include <QMessageBox>

namespace WindowMessages {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("MainWindow", text); }

// What the technician calls the setting, in the language of the window.
QString titleOf(const FormField &field)
{
    return QCoreApplication::translate("SettingTitle", field.setting->title);
}

// The strip between the Submit and Reset row and the window's lower edge.
const QRect noteRect(20, 444, 618, 18);

} // namespace

QString portNotOpened(const QString &port, QSerialPort::SerialPortError error,
                      const QString &reason, bool accessible)
{
    Q_UNUSED(accessible) // only Linux tells a missing permission from a busy port
    const QString text = tr("The serial port %1 could not be opened: %2.").arg(port, reason);
#ifdef Q_OS_LINUX
    if (error == QSerialPort::PermissionError && !accessible)
        return text
            + tr("\n\nThis user may not use serial ports. Join the dialout group:\n"
                 "    sudo usermod -aG dialout $USER\n"
                 "then log out and in again, and choose the port once more.");
#endif
    if (error == QSerialPort::PermissionError)
        return text
            + tr("\n\nAnother program may be using the port. Close it, then choose the port "
                 "once more.");
    if (error == QSerialPort::DeviceNotFoundError)
        return text
            + tr("\n\nCheck that the adapter is plugged in. The list of ports is read when the "
                 "tool starts.");
    return text;
}

QString noPumpAnswered() { return tr("No pump answered the search."); }

QString adapterRefused(const QString &adapter, const QString &address, const QString &network,
                       const QString &reason)
{
    const QHostAddress pump(address);
    const QString beside = QHostAddress((pump.toIPv4Address() & 0xffffff00u) | 250u).toString();
    return tr("The pump at %1 answered on the adapter %2, but the system will not send to it "
              "through %2 alone: %3.\n\nIf the pump does not lie in %2's network (%4), give "
              "%2 an address in the pump's network, for example %5/24, then search again.")
        .arg(address, adapter, reason, network, beside);
}

QString unknownSettings(const QVector<FormField> &unknown)
{
    QString names;
    for (const FormField &field : unknown)
        names += QStringLiteral("\n    ") + titleOf(field);
    return tr("These settings were not read from the pump and not filled in:%1\n\n"
              "Nothing was sent. Select the pump again, or press Reset, to read them once "
              "more, or fill them in yourself.")
        .arg(names);
}

QString settingsNotRead(int missing, int all)
{
    if (missing == all)
        return tr("The pump did not answer: no setting is known. Select it again to retry.");
    return tr("%1 of %2 settings did not arrive (shaded yellow). Select the pump again to read "
              "them.")
        .arg(missing)
        .arg(all);
}

QString pumpSilentAfterRestart(const QString &where, bool serialLine)
{
    const QString askedWhere
        = serialLine ? tr("on the serial port %1").arg(where) : tr("at %1").arg(where);
    const QString text = tr("The pump did not answer after its restart.\n\n"
                            "It was asked %1 when the wait ended, and every 3 seconds "
                            "for 30 seconds more.\n\n")
                             .arg(askedWhere);
    if (serialLine)
        return text
            + tr("It may still be starting, the cable may be loose, or another program may "
                 "hold the port. Select the pump again to read it once more.");
    return text
        + tr("If it was given a static address outside this computer's network, it cannot be "
             "reached from here: connect this computer to that network, or use a serial "
             "port. If it takes its address by DHCP, it may have a new one: search again. "
             "It may also still be starting, or its cable may be loose.");
}

QString settingsConfirmed() { return tr("The pump holds every setting as written."); }

QString settingsDiffer(const QVector<SettingDifference> &differences)
{
    QString lines;
    for (const SettingDifference &difference : differences) {
        lines += tr("\n    %1: written \"%2\", held \"%3\"")
                     .arg(titleOf(difference.field),
                          SettingValue::shown(*difference.field.setting, difference.written),
                          SettingValue::shown(*difference.field.setting, difference.held));
    }
    return tr("After its restart the pump holds other values than were written:%1\n\n"
              "It may have refused them. The fields are shaded orange; check them and submit "
              "again.")
        .arg(lines);
}

QString waitingForPump()
{
    return tr("No answer from the pump yet. \nAsking again every 3 seconds...");
}

void show(QWidget *window, QPointer<QMessageBox> &box, const QString &text)
{
    // A box closed a moment ago may not be deleted yet; it no longer counts.
    if (box && box->isVisible()) {
        box->setText(text);
        return;
    }
    box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), text, QMessageBox::Ok,
                          window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Opened, not executed: the window keeps handling the pump's replies meanwhile.
    box->open();
}

QLabel *createNoteStrip(QWidget *centralWidget)
{
    auto *note = new QLabel(centralWidget);
    note->setObjectName(QStringLiteral("labelNote"));
    note->setGeometry(noteRect);
    note->setAlignment(Qt::AlignCenter);
    note->hide();
    return note;
}

void showNote(QLabel *note, const QString &text)
{
    note->setText(text);
    TextFitter::fit(note);
    note->show();
}

void clearNote(QLabel *note)
{
    note->hide();
    note->clear();
}

} // namespace WindowMessages
