#include "resulttable.h"

#include <QJsonArray>
#include <QJsonDocument>

ResultTable::ResultTable(QStringList columns)
    : columnNames(std::move(columns))
{ }

bool ResultTable::parseFormat(const QString &name, Format *format)
{
    if (name == QLatin1String("table"))
        *format = Format::Table;
    else if (name == QLatin1String("csv"))
        *format = Format::Csv;
    else if (name == QLatin1String("json"))
        *format = Format::Json;
    else
        return false;
    return true;
}

void ResultTable::addRow(const QStringList &cells)
{
    QStringList row = cells.mid(0, columnNames.size());
    while (row.size() < columnNames.size())
        row.append(QString());
    tableRows.append(row);
}

QString ResultTable::toText(Format format) const
{
    switch (format) {
    case Format::Csv:
        return toCsv();
    case Format::Json:
        return toJson();
    case Format::Table:
        break;
    }
    return toTable();
}

QString ResultTable::toTable() const
{
    QVector<int> widths;
    for (const QString &column : columnNames)
        widths.append(column.size());
    for (const QStringList &row : tableRows) {
        for (int i = 0; i < row.size(); ++i)
            widths[i] = qMax(widths.at(i), row.at(i).size());
    }
    const auto line = [&widths](const QStringList &cells) {
        QString text;
        for (int i = 0; i < cells.size(); ++i)
            text += cells.at(i).leftJustified(widths.at(i) + 2);
        // No blanks at the end of a line, even when its last cells are empty.
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text + QLatin1Char('\n');
    };
    QString text = line(columnNames);
    for (const QStringList &row : tableRows)
        text += line(row);
    return text;
}

QString ResultTable::csvField(const QString &cell)
{
    // Quoted when a spreadsheet would otherwise split, join or trim it.
    const bool needsQuotes = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"'))
        || cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'))
        || cell.startsWith(QLatin1Char(' ')) || cell.endsWith(QLatin1Char(' '));
    if (!needsQuotes)
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString ResultTable::toCsv() const
{
    const auto line = [](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields.append(csvField(cell));
        return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    QString text = line(columnNames);
    for (const QStringList &row : tableRows)
        text += line(row);
    return text;
}

// Written here rather than through QJsonObject, which sorts its keys: each object
// keeps the columns' order, `pump` first and the settings in the profile's order,
// as the table and CSV do. The layout is QJsonDocument's indented one.
QString ResultTable::toJson() const
{
    QString text = QStringLiteral("[\n");
    for (int r = 0; r < tableRows.size(); ++r) {
        const QStringList &row = tableRows.at(r);
        text += QLatin1String("    {\n");
        for (int i = 0; i < columnNames.size(); ++i) {
            text += QLatin1String("        ") + jsonValue(columnNames.at(i)) + QLatin1String(": ")
                + jsonValue(row.at(i)) + QLatin1String(i + 1 < columnNames.size() ? ",\n" : "\n");
        }
        text += QLatin1String(r + 1 < tableRows.size() ? "    },\n" : "    }\n");
    }
    return text + QLatin1String("]\n");
}

QString ResultTable::jsonValue(const QString &cell)
{
    if (cell.isNull())
        return QStringLiteral("null");
    // Qt's own escaping, taken from a one-string array: "[" + string + "]".
    const QByteArray array = QJsonDocument(QJsonArray { cell }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
