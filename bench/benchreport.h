#ifndef BENCHREPORT_H
#define BENCHREPORT_H

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Bench {

// One line of the table: a figure, what it measured and the floor it is held
// against. A ratio far above 1 is where the pump link spends time the transport
// itself does not need.
struct BenchRow
{
    QString figure;
    QString measured;
    QString floor;
    double ratio = std::numeric_limits<double>::quiet_NaN();
};

// What one benchmark reports: its rows, and the runs and conditions behind them,
// printed under the table so a surprising figure can be traced.
struct BenchSection
{
    QVector<BenchRow> rows;
    QStringList notes;
};

inline double median(QVector<double> values)
{
    if (values.isEmpty())
        return std::numeric_limits<double>::quiet_NaN();
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values.at(middle);
    return (values.at(middle - 1) + values.at(middle)) / 2.0;
}

inline double ratioOf(double measured, double floor)
{
    if (!(floor > 0.0))
        return std::numeric_limits<double>::quiet_NaN();
    return measured / floor;
}

inline QString milliseconds(double ms)
{
    if (std::isnan(ms))
        return QStringLiteral("-");
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', ms < 10.0 ? 2 : 1);
}

inline QString listOf(const QVector<double> &values, int decimals)
{
    QStringList texts;
    for (const double value : values)
        texts.append(QString::number(value, 'f', decimals));
    return texts.join(QStringLiteral(", "));
}

inline void printTable(QTextStream &out, const QVector<BenchRow> &rows)
{
    const QStringList header = { QStringLiteral("figure"), QStringLiteral("measured"),
                                 QStringLiteral("floor"), QStringLiteral("ratio") };
    QVector<QStringList> lines;
    for (const BenchRow &row : rows) {
        const QString ratio
            = std::isnan(row.ratio) ? QStringLiteral("-") : QString::number(row.ratio, 'f', 2);
        lines.append({ row.figure, row.measured, row.floor, ratio });
    }
    QVector<int> widths;
    for (const QString &title : header)
        widths.append(title.size());
    for (const QStringList &line : lines) {
        for (int column = 0; column < line.size(); ++column)
            widths[column] = qMax(widths.at(column), line.at(column).size());
    }
    const auto printLine = [&](const QStringList &cells) {
        QStringList padded;
        for (int column = 0; column < cells.size(); ++column) {
            // Figures read left to right; numbers line up on the right.
            padded.append(column == 0 ? cells.at(column).leftJustified(widths.at(column))
                                      : cells.at(column).rightJustified(widths.at(column)));
        }
        out << padded.join(QStringLiteral(" | ")) << '\n';
    };
    printLine(header);
    QStringList rules;
    for (const int width : widths)
        rules.append(QString(width, QLatin1Char('-')));
    out << rules.join(QStringLiteral("-+-")) << '\n';
    for (const QStringList &line : lines)
        printLine(line);
    out.flush();
}

} // namespace Bench

#endif // BENCHREPORT_H
