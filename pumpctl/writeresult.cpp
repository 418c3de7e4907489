#include "writeresult.h"

#include "programprofile.h"
#include "pumpprotocol.h"
#include "settingvalue.h"

namespace WriteResult {

QStringList framesShown(const ProgramProfile &profile, const QString &pump,
                        const QStringList &values)
{
    QStringList lines;
    const QVector<QByteArray> frames = profile.writeFrames(values);
    for (int k = 0; k < frames.size(); ++k) {
        QString text;
        if (k < profile.settingCount() && profile.settings().at(k).kind == SettingKind::Key) {
            text = QStringLiteral("<STX>%1,[redacted]<CR>")
                       .arg(QString::fromLatin1(profile.settings().at(k).mnemonic));
        } else {
            text = QString::fromUtf8(frames.at(k));
            text.replace(QChar(PumpProtocol::stx), QStringLiteral("<STX>"));
            text.replace(QChar(PumpProtocol::cr), QStringLiteral("<CR>"));
        }
        lines.append(pump + QLatin1Char(' ') + text);
    }
    return lines;
}

QString differences(const ProgramProfile &profile, const QStringList &sent,
                    const QStringList &reported, const QVector<bool> &heard)
{
    QStringList found;
    for (int k = 0; k < profile.settingCount(); ++k) {
        const SettingDescription &setting = profile.settings().at(k);
        const QString name = QString::fromLatin1(setting.mnemonic);
        const QString wrote = SettingValue::shown(setting, sent.at(k));
        if (!heard.at(k))
            found.append(QStringLiteral("%1 wrote %2, pump did not report it").arg(name, wrote));
        else if (!SettingValue::holds(setting, sent.at(k), reported.at(k)))
            found.append(QStringLiteral("%1 wrote %2, pump holds %3")
                             .arg(name, wrote, printable(reported.at(k))));
    }
    return found.join(QStringLiteral("; "));
}

QString status(PumpOutcome outcome, const QString &differences)
{
    switch (outcome) {
    case PumpOutcome::Confirmed:
        return QStringLiteral("confirmed");
    case PumpOutcome::Differs:
        return QStringLiteral("differs: ") + differences;
    case PumpOutcome::Silent:
        return QStringLiteral("did not answer after its restart");
    case PumpOutcome::Sent:
        return QStringLiteral("sent");
    case PumpOutcome::Unverified:
        return QStringLiteral("written, not verified (interrupted)");
    case PumpOutcome::NotWritten:
    case PumpOutcome::Unknown:
        break;
    }
    return QStringLiteral("not written (interrupted)");
}

QString printable(const QString &text)
{
    QString shown;
    for (const QChar character : text) {
        if (SettingValue::hasControlCharacter(QString(character)))
            shown += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    return shown;
}

} // namespace WriteResult
