#include "windowmessages.h"

#include "settingvalue.h"
#include "textfitter.h"

#include <QHostAddress>
#include <QLabel>
#include <QMessageBox>

namespace {

// The strip between the Submit and Reset row and the window's lower edge.
const QRect noteRect(20, 444, 618, 18);

} // namespace

QString WindowMessages::portNotOpened(const QString &port, QSerialPort::SerialPortError error,
                                      const QString &reason, bool accessible)
{
    Q_UNUSED(accessible) // only Linux tells a missing permission from a busy port
    //: %1 is the port's name (ttyUSB0, COM5), %2 the system's reason.
    const QString text = tr("The serial port %1 could not be opened: %2.").arg(port, reason);
#ifdef Q_OS_LINUX
    if (error == QSerialPort::PermissionError && !accessible)
        return text
            //: The command line is typed as it is, untranslated.
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

QString WindowMessages::noPumpAnswered() { return tr("No pump answered the search."); }

QString WindowMessages::adapterRefused(const QString &adapter, const QString &address,
                                       const QString &network, const QString &reason)
{
    const QHostAddress pump(address);
    const QString beside = QHostAddress((pump.toIPv4Address() & 0xffffff00u) | 250u).toString();
    return tr("The pump at %1 answered on the adapter %2, but the system will not send to it "
              "through %2 alone: %3.\n\nIf the pump does not lie in %2's network (%4), give "
              "%2 an address in the pump's network, for example %5/24, then search again.")
        .arg(address, adapter, reason, network, beside);
}

QString WindowMessages::unknownSettings(const QVector<FormField> &unknown)
{
    QString names;
    for (const FormField &field : unknown)
        names += QStringLiteral("\n    ") + titleOf(field);
    //: %1 is the list of the settings, one a line.
    return tr("These settings were not read from the pump and not filled in:%1\n\n"
              "Nothing was sent. Select the pump again, or press Reset, to read them once "
              "more, or fill them in yourself.")
        .arg(names);
}

QString WindowMessages::settingsNotRead(int missing, int all)
{
    if (missing == all)
        return tr("The pump did not answer: no setting is known. Select it again to retry.");
    //: %1 and %2 are numbers: 3 of 13 settings.
    return tr("%1 of %2 settings did not arrive (shaded yellow). Select the pump again to read "
              "them.")
        .arg(missing)
        .arg(all);
}

QString WindowMessages::pumpSilentAfterRestart(const QString &where, bool serialLine)
{
    QString askedWhere;
    if (serialLine)
        //: Where the pump was asked, in "It was asked %1 when the wait ended"; %1 is the
        //: port's name.
        askedWhere = tr("on the serial port %1").arg(where);
    else
        //: Where the pump was asked, in "It was asked %1 when the wait ended"; %1 is its
        //: IP address.
        askedWhere = tr("at %1").arg(where);
    //: %1 says where it was asked: "at 10.0.0.5" or "on the serial port ttyUSB0".
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

QString WindowMessages::settingsConfirmed()
{
    return tr("The pump holds every setting as written.");
}

QString WindowMessages::settingsDiffer(const QVector<SettingDifference> &differences)
{
    QString lines;
    for (const SettingDifference &difference : differences) {
        //: One line per setting: %1 is its name, %2 the value written, %3 the value
        //: the pump holds now.
        lines
            += tr("\n    %1: written \"%2\", held \"%3\"")
                   .arg(titleOf(difference.field), shownValue(difference.field, difference.written),
                        shownValue(difference.field, difference.held));
    }
    //: %1 is the list of the settings, one a line.
    return tr("After its restart the pump holds other values than were written:%1\n\n"
              "It may have refused them. The fields are shaded orange; check them and submit "
              "again.")
        .arg(lines);
}

QString WindowMessages::waitingForPump()
{
    return tr("No answer from the pump yet. \nAsking again every 3 seconds...");
}

void WindowMessages::show(QWidget *window, QPointer<QMessageBox> &box, const QString &text)
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

QLabel *WindowMessages::createNoteStrip(QWidget *centralWidget)
{
    auto *note = new QLabel(centralWidget);
    note->setObjectName(QStringLiteral("labelNote"));
    note->setGeometry(noteRect);
    note->setAlignment(Qt::AlignCenter);
    note->hide();
    return note;
}

void WindowMessages::showNote(QLabel *note, const QString &text)
{
    note->setText(text);
    TextFitter::fit(note);
    note->show();
}

void WindowMessages::clearNote(QLabel *note)
{
    note->hide();
    note->clear();
}

QString WindowMessages::titleOf(const FormField &field)
{
    return QCoreApplication::translate("SettingTitle", field.setting->title);
}

// A value as the form shows it, in the window's language: an assignment in the
// words of the form's box, a switch as on or off. The pump's own words stay on the wire.
QString WindowMessages::shownValue(const FormField &field, const QString &value)
{
    switch (field.kind()) {
    case SettingKind::Assignment:
        return SettingValue::reportsDhcp(value)
            ? QCoreApplication::translate("MainWindow", "DHCP")
            : QCoreApplication::translate("MainWindow", "Static");
    case SettingKind::Switch:
        if (value == SettingValue::switchText(true))
            //: The state of a switch such as Bluetooth or Telnet: switched on.
            return tr("On");
        //: The state of a switch such as Bluetooth or Telnet: switched off.
        return tr("Off");
    case SettingKind::Address:
    case SettingKind::Digits:
    case SettingKind::Key:
        break;
    }
    return SettingValue::shown(*field.setting, value);
}
