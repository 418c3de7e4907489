#include "settingvalue.h"

#include "ipv4address.h"

namespace {

const QString dhcp = QStringLiteral("DHCP");
const QString staticAssignment = QStringLiteral("Static");
const QString switchOn = QStringLiteral("On\r");
const QString switchOff = QStringLiteral("Off\r");
const QString reportedOn = QStringLiteral("ON");

bool isDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

// The form's mask is maxDigits optional digits ("999", "99"), behind one more
// position that takes a digit or a sign when the value may be signed ("#99").
bool fitsDigitsMask(const SettingDescription &setting, const QString &text)
{
    int digitsAllowed = setting.maxDigits;
    int start = 0;
    if (setting.mayBeSigned) {
        if (!text.isEmpty() && (text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-')))
            start = 1;
        else
            digitsAllowed += 1;
    }
    if (text.size() - start > digitsAllowed)
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (!isDigit(text.at(i)))
            return false;
    }
    return true;
}

QString maskText(const SettingDescription &setting)
{
    if (setting.mayBeSigned)
        return QStringLiteral("a sign or digit and up to %1 more digits").arg(setting.maxDigits);
    return QStringLiteral("up to %1 digits").arg(setting.maxDigits);
}

// Digits compare by their number, so "05" reported for "5" is the same value.
bool sameNumber(const QString &a, const QString &b)
{
    bool aIsNumber = false;
    bool bIsNumber = false;
    const int aValue = a.toInt(&aIsNumber);
    const int bValue = b.toInt(&bIsNumber);
    if (aIsNumber && bIsNumber)
        return aValue == bValue;
    return a == b;
}

} // namespace

namespace SettingValue {

QString assignmentText(bool isDhcp) { return isDhcp ? dhcp : staticAssignment; }

QString switchText(bool on) { return on ? switchOn : switchOff; }

bool hasControlCharacter(const QString &text)
{
    for (const QChar character : text) {
        const ushort code = character.unicode();
        if (code < 0x20 || (code >= 0x7f && code <= 0x9f))
            return true;
    }
    return false;
}

bool admit(const SettingDescription &setting, const QString &typed, QString *sent, QString *problem)
{
    const QString name = QString::fromLatin1(setting.mnemonic);
    if (hasControlCharacter(typed)) {
        *problem = QStringLiteral("%1 holds a control character").arg(name);
        return false;
    }
    switch (setting.kind) {
    case SettingKind::Assignment:
        if (typed.compare(dhcp, Qt::CaseInsensitive) == 0) {
            *sent = dhcp;
            return true;
        }
        if (typed.compare(staticAssignment, Qt::CaseInsensitive) == 0) {
            *sent = staticAssignment;
            return true;
        }
        *problem = QStringLiteral("%1 must be DHCP or Static, not \"%2\"").arg(name, typed);
        return false;
    case SettingKind::Address:
        *sent = canonicalIPv4(typed);
        if (!sent->isNull())
            return true;
        *problem = QStringLiteral("%1 \"%2\" is not an IPv4 address (four numbers 0-255)")
                       .arg(name, typed);
        return false;
    case SettingKind::Digits:
        if (fitsDigitsMask(setting, typed)) {
            *sent = typed;
            return true;
        }
        *problem = QStringLiteral("%1 \"%2\" is not %3").arg(name, typed, maskText(setting));
        return false;
    case SettingKind::Switch:
        if (typed.compare(QLatin1String("on"), Qt::CaseInsensitive) == 0) {
            *sent = switchOn;
            return true;
        }
        if (typed.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
            *sent = switchOff;
            return true;
        }
        *problem = QStringLiteral("%1 must be On or Off, not \"%2\"").arg(name, typed);
        return false;
    case SettingKind::Key:
        *sent = typed;
        return true;
    }
    return false;
}

bool keepReported(const SettingDescription &setting, const QString &reported, QString *sent)
{
    switch (setting.kind) {
    case SettingKind::Assignment:
        *sent = reportsDhcp(reported) ? dhcp : staticAssignment;
        return true;
    case SettingKind::Switch:
        *sent = reportsOn(reported) ? switchOn : switchOff;
        return true;
    case SettingKind::Key:
        return false;
    case SettingKind::Address:
    case SettingKind::Digits:
        break;
    }
    QString problem;
    return admit(setting, reported, sent, &problem);
}

bool holds(const SettingDescription &setting, const QString &sent, const QString &held, Held as)
{
    switch (setting.kind) {
    case SettingKind::Assignment:
    case SettingKind::Switch:
        // A pump reports "STATIC" for "Static" and "ON" for "On\r"; a form shows the
        // words it sends.
        return as == Held::Reported ? shown(setting, sent).toUpper() == held : held == sent;
    case SettingKind::Address:
        return canonicalIPv4(held) == sent;
    case SettingKind::Digits:
        return as == Held::Reported ? sameNumber(sent, held) : held == sent;
    case SettingKind::Key:
        return false;
    }
    return false;
}

bool reportsDhcp(const QString &reported) { return reported == dhcp; }

bool reportsOn(const QString &reported) { return reported == reportedOn; }

bool assignsStatic(const QString &sent) { return sent == staticAssignment; }

QString shown(const SettingDescription &setting, const QString &sent)
{
    switch (setting.kind) {
    case SettingKind::Switch:
        return sent.endsWith(QLatin1Char('\r')) ? sent.chopped(1) : sent;
    case SettingKind::Key:
        return QStringLiteral("[redacted]");
    default:
        return sent;
    }
}

} // namespace SettingValue
