#ifndef FORMFIELD_H
#define FORMFIELD_H

#include <QString>

class QWidget;

// How the form shows one setting and turns it back into text for the pump.
enum class FieldKind {
    Assignment, // combo box: "DHCP" or "Static"
    Address, // masked IPv4 field, validated and marked red when wrong
    Text, // masked digits, sent as typed
    Switch, // on/off slider
    Key, // free text that is a secret: never written to the log
};

struct FormField
{
    const char *mnemonic;
    FieldKind kind;
    QWidget *editor;
    // What the technician calls the setting, in messages about it.
    const char *title;
};

// The empty state of the field: "DHCP", no text, switched off.
void clearField(const FormField &field);
// Shows a value as the pump reported it.
void showFieldValue(const FormField &field, const QString &value);
// The text the field gives the pump: an address as checked and without padding
// zeros (or as typed when it is no address), a switch as "On\r" or "Off\r".
QString fieldValue(const FormField &field);
// What the technician reads for a value of this field: switches without their CR.
QString readableValue(const FormField &field, const QString &value);

#endif // FORMFIELD_H
