#ifndef SETTINGVALUE_H
#define SETTINGVALUE_H

#include "programprofile.h"

#include <QString>

// The value rules of the windows' forms, written once for the windows and for anyone
// who takes a setting's value from elsewhere than a form: what a window would send for
// a typed value, what it would send back for a value a pump reported, and whether a
// pump holds a value that was written. Pumps answer upper-cased, so "ON" reports
// "On\r" and "STATIC" reports "Static".
namespace SettingValue {

// The text the window sends for `typed`, into *sent. False when the window would not
// admit it; *problem then says why, in words that never repeat a key's value.
// Assignment takes "DHCP" or "Static" and a switch "On" or "Off" in any case; an
// address is four decimal groups 0-255, sent without leading zeros; digits are what
// the form's mask admits. Any control character is refused: it would end or forge
// a frame on the wire.
bool admit(const SettingDescription &setting, const QString &typed, QString *sent,
           QString *problem);

// What a window that read `reported` would send back unchanged into *sent: "DHCP"
// stays, anything else is "Static"; "ON" is on, anything else off; other text must
// itself be admissible. False when it is not (a pump holding a value no form takes).
bool keepReported(const SettingDescription &setting, const QString &reported, QString *sent);

// How the value a pump holds is given to holds().
enum class Held {
    // As the pump reported it: upper-cased, and a number perhaps with padding zeros.
    Reported,
    // As a form shows it after reading the report by its rules: the text the form
    // would send back. A padding zero shown there is one the form would send, so
    // digits are compared as text.
    OnForm,
};

// Whether the pump holds `sent`, seeing `held`. The one rule for the windows and the
// command line; the two differ only in what they have at hand (see Held): switches
// and assignments by their words, addresses by their numbers, and digits by their
// number in a report but by their text on a form.
bool holds(const SettingDescription &setting, const QString &sent, const QString &held,
           Held as = Held::Reported);

// How a pump's report is taken where a form has only two choices: the assignment is
// DHCP only for exactly "DHCP" and static otherwise; a switch is on only for exactly
// "ON" and off otherwise.
bool reportsDhcp(const QString &reported);
bool reportsOn(const QString &reported);
// Whether the assignment `sent` gives the pump a static address of its own.
bool assignsStatic(const QString &sent);

// `sent` as a person reads it: the switches without their CR; a key never.
QString shown(const SettingDescription &setting, const QString &sent);

// What an assignment sends: "DHCP", or "Static" for an address of its own. A form
// shows them in its own language; the pump is told in these words only.
QString assignmentText(bool isDhcp);

// What a switch sends: "On" or "Off" with a CR of its own, which the pump takes as
// the end of the value; the frame adds its CR behind it.
QString switchText(bool on);

// Whether `text` holds a control character (C0, DEL or C1).
bool hasControlCharacter(const QString &text);

} // namespace SettingValue

#endif // SETTINGVALUE_H
