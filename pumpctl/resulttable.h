#ifndef RESULTTABLE_H
#define RESULTTABLE_H

#include <QString>
#include <QStringList>
#include <QVector>

// What a command prints on standard output: named columns and one row per pump.
// A null cell is a value nobody knows (a setting the pump did not answer): empty
// in a table and in CSV, null in JSON.
class ResultTable
{
public:
    enum class Format { Table, Csv, Json };

    explicit ResultTable(QStringList columns);

    // "table", "csv" or "json"; false for anything else.
    static bool parseFormat(const QString &name, Format *format);

    void addRow(const QStringList &cells);
    const QVector<QStringList> &rows() const { return tableRows; }

    QString toText(Format format) const;
    // Aligned columns under a header, for people.
    QString toTable() const;
    // One header line and one line per row, fields quoted where CSV needs it.
    QString toCsv() const;
    // An array with one object per row, keyed by column in the columns' order.
    QString toJson() const;

    static QString csvField(const QString &cell);
    // A JSON string, or null for a cell nobody knows.
    static QString jsonValue(const QString &cell);

private:
    QStringList columnNames;
    QVector<QStringList> tableRows;
};

#endif // RESULTTABLE_H
