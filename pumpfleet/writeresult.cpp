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
                    const QStringList &reported)
{
    QStringList found;
    for (int k = 0; k < profile.settingCount(); ++k) {
        const SettingDescription &setting = profile.settings().at(k);
        if (reported.at(k).isNull() || SettingValue::holds(setting, sent.at(k), reported.at(k)))
            continue;
        found.append(QStringLiteral("%1 wrote %2, pump holds %3")
                         .arg(QString::fromLatin1(setting.mnemonic),
                              SettingValue::shown(setting, sent.at(k)), printable(reported.at(k))));
    }
    return found.join(QStringLiteral("; "));
}

QString status(PumpOutcome outcome, const QString &detail)
{
    switch (outcome) {
    case PumpOutcome::Confirmed:
        return QStringLiteral("confirmed");
    case PumpOutcome::Differs:
        return QStringLiteral("differs: ") + detail;
    case PumpOutcome::NotVerified:
        return QStringLiteral("not verified: %1 did not answer").arg(detail);
    case PumpOutcome::Silent:
        return detail.isEmpty() ? QStringLiteral("did not answer after its restart")
                                : QStringLiteral("did not answer after its restart: ") + detail;
    case PumpOutcome::Sent:
        return QStringLiteral("sent");
    case PumpOutcome::VerifyInterrupted:
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
