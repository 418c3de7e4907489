#include "plantlook.h"

#include <QCoreApplication>

namespace {

// The titles the windows give the settings.
const char *const settingTitles[][2] = {
    { "NAM", QT_TRANSLATE_NOOP("PlantLook", "IP Assignment") },
    { "NIP", QT_TRANSLATE_NOOP("PlantLook", "IPv4 Address") },
    { "NSM", QT_TRANSLATE_NOOP("PlantLook", "Subnet Mask") },
    { "NDG", QT_TRANSLATE_NOOP("PlantLook", "Default Gateway") },
    { "ND1", QT_TRANSLATE_NOOP("PlantLook", "DNS Server 1") },
    { "ND2", QT_TRANSLATE_NOOP("PlantLook", "DNS Server 2") },
    { "NTT", QT_TRANSLATE_NOOP("PlantLook", "TCP Timeout [Sec]") },
    { "NUH", QT_TRANSLATE_NOOP("PlantLook", "UTC Offset [±hh]") },
    { "NUM", QT_TRANSLATE_NOOP("PlantLook", "UTC Offset [mm]") },
    { "NCM", QT_TRANSLATE_NOOP("PlantLook", "Cloud Monitor") },
    { "NBT", QT_TRANSLATE_NOOP("PlantLook", "Bluetooth") },
    { "NTN", QT_TRANSLATE_NOOP("PlantLook", "Telnet") },
    { "NPA", QT_TRANSLATE_NOOP("PlantLook", "PROFIBUS Address") },
};

} // namespace

namespace PlantLook {

QString settingTitle(const QByteArray &mnemonic)
{
    for (const auto &title : settingTitles) {
        if (mnemonic == title[0])
            return QCoreApplication::translate("PlantLook", title[1]);
    }
    return QString::fromLatin1(mnemonic);
}

QString outcomeText(PumpOutcome outcome, const QString &detail)
{
    switch (outcome) {
    case PumpOutcome::Confirmed:
        return QCoreApplication::translate("PlantLook", "confirmed");
    case PumpOutcome::Differs:
        return QCoreApplication::translate("PlantLook", "differs: %1").arg(detail);
    case PumpOutcome::NotVerified:
        return QCoreApplication::translate("PlantLook", "not verified: %1 did not answer")
            .arg(detail);
    case PumpOutcome::Silent:
        return QCoreApplication::translate("PlantLook", "did not answer after its restart");
    case PumpOutcome::Sent:
        return QCoreApplication::translate("PlantLook", "sent");
    case PumpOutcome::VerifyInterrupted:
        return QCoreApplication::translate("PlantLook", "written, not verified (stopped)");
    case PumpOutcome::NotWritten:
        return QCoreApplication::translate("PlantLook", "not written (stopped)");
    case PumpOutcome::Unknown:
        break;
    }
    return QString();
}

QColor outcomeColour(PumpOutcome outcome)
{
    switch (outcome) {
    case PumpOutcome::Confirmed:
        return QColor(0, 120, 40);
    case PumpOutcome::Differs:
    case PumpOutcome::Silent:
        return QColor(190, 0, 0);
    case PumpOutcome::NotVerified:
    case PumpOutcome::VerifyInterrupted:
    case PumpOutcome::NotWritten:
        return QColor(170, 90, 0);
    case PumpOutcome::Sent:
    case PumpOutcome::Unknown:
        break;
    }
    return QColor(Qt::black);
}

} // namespace PlantLook
