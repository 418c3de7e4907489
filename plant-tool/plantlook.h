#ifndef PLANTLOOK_H
#define PLANTLOOK_H

#include "writeresult.h"

#include <QColor>
#include <QString>

// How the plant's table names and colours what it shows.
namespace PlantLook {

// "confirmed", "differs: …" and so on, translated: the words pumpctl prints.
QString outcomeText(PumpOutcome outcome, const QString &detail);
QColor outcomeColour(PumpOutcome outcome);

inline QColor wrongColour() { return QColor(255, 196, 196); }
inline QColor changedColour() { return QColor(255, 236, 160); }
inline QColor notFoundColour() { return QColor(225, 225, 225); }

} // namespace PlantLook

#endif // PLANTLOOK_H
