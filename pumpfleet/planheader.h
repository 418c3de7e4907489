#ifndef PLANHEADER_H
#define PLANHEADER_H

#include <QByteArray>
#include <QString>

// The header row of a plan, as bytes before any cell is cut: it tells whether the
// plan is separated by commas or, as spreadsheets in many locales save it, by
// semicolons.
namespace PlanHeader {

// The line the header row is on: the last of `bytes`, which may hold blank lines
// (of separators only, as spreadsheets write them) before it.
QByteArray lastLine(const QByteArray &bytes);
bool isBlankLine(const QByteArray &line);

// What follows the first cell, "pump" (quoted or not, in any case, with spaces
// around): ',' or ';'. A header of the pump column alone has no separator to show
// and needs none: ','. 0 when the row does not begin that way.
char separatorOf(const QByteArray &header);

// Why a header fits neither: how it begins, control characters made visible, and
// the separators it holds.
QString describe(const QByteArray &header);

} // namespace PlanHeader

#endif // PLANHEADER_H
