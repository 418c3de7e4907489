#include "plantlook.h"

#include <QCoreApplication>

namespace PlantLook {

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
        return detail.isEmpty()
            ? QCoreApplication::translate("PlantLook", "did not answer after its restart")
            : QCoreApplication::translate("PlantLook", "did not answer after its restart: %1")
                  .arg(detail);
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
