#ifndef FORMFIELD_H
#define FORMFIELD_H

#include "programprofile.h"

#include <QString>

class QWidget;

// One setting of the program's profile as the form holds it. Its kind says how the
// field shows it and turns it back into text for the pump: an assignment in a combo
// box, an address in a masked field that is checked and marked red when wrong,
// digits as typed, a switch as an on/off slider, a key as free text never logged.
struct FormField
{
    // The profile's description of the setting: mnemonic, kind, title and mask.
    const SettingDescription *setting;
    QWidget *editor;

    QByteArray mnemonic() const { return setting->mnemonic; }
    SettingKind kind() const { return setting->kind; }
};

// The empty state of the field: "DHCP", no text, switched off.
void clearField(const FormField &field);
// Shows a value as the pump reported it.
void showFieldValue(const FormField &field, const QString &value);
// The text the field gives the pump: an address as checked and without padding
// zeros (or as typed when it is no address), a switch as "On\r" or "Off\r".
QString fieldValue(const FormField &field);

#endif // FORMFIELD_H
