#include "cellranges.h"

#include "ipv4address.h"

#include <QCoreApplication>

namespace CellRanges {

QString toTsv(const QVector<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QVector<QStringList> fromTsv(const QString &text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (normalised.endsWith(QLatin1Char('\n')))
        normalised.chop(1);
    QVector<QStringList> rows;
    if (normalised.isEmpty())
        return rows;
    for (const QString &line : normalised.split(QLatin1Char('\n')))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

bool addressSeries(const QString &first, int count, QStringList *series, QString *problem)
{
    const QString address = canonicalIPv4(first.trimmed());
    if (address.isNull()) {
        *problem
            = QCoreApplication::translate("CellRanges", "\"%1\" is no IPv4 address").arg(first);
        return false;
    }
    const QStringList groups = address.split(QLatin1Char('.'));
    const int start = groups.last().toInt();
    const int last = start + count - 1;
    if (last > 254) {
        *problem = QCoreApplication::translate("CellRanges",
                                               "%L1 addresses from %2 would run "
                                               "past .254")
                       .arg(count)
                       .arg(address);
        return false;
    }
    const QString stem = groups.mid(0, 3).join(QLatin1Char('.')) + QLatin1Char('.');
    series->clear();
    for (int host = start; host <= last; ++host)
        series->append(stem + QString::number(host));
    return true;
}

} // namespace CellRanges
