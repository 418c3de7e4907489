#ifndef CELLRANGES_H
#define CELLRANGES_H

#include <QString>
#include <QStringList>
#include <QVector>

// Rectangles of cells as spreadsheets copy and paste them: rows on lines, cells
// separated by tabs.
namespace CellRanges {

QString toTsv(const QVector<QStringList> &rows);
// A trailing line end, as spreadsheets add, makes no empty row.
QVector<QStringList> fromTsv(const QString &text);

// `count` addresses counting up from `first` in its last group (10.0.0.10, .11, …).
// False, with *problem saying why, when `first` is no address or the series would
// run past .254.
bool addressSeries(const QString &first, int count, QStringList *series, QString *problem);

} // namespace CellRanges

#endif // CELLRANGES_H
