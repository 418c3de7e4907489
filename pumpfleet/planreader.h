#ifndef PLANREADER_H
#define PLANREADER_H

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

// One cell of a plan, with where it stands: the line it starts on and its column,
// both counted from 1 as a spreadsheet counts them.
struct PlanCell
{
    QString text;
    int line = 0;
    int column = 0;
    // Quoted in the file: a quoted empty cell is still an empty cell.
    bool quoted = false;
    // Not UTF-8 or holding a NUL byte: already a problem, its text is not to be used.
    bool broken = false;
};

struct PlanProblem
{
    int line = 0;
    int column = 0;
    QString what;
};

// Reads a plan table: values separated by commas or, as spreadsheets in many
// locales save them, by semicolons (the header row, which begins with "pump", tells
// which), with quoted cells, doubled quotes inside them, CRLF or LF line ends and an
// optional UTF-8 byte order mark. The file
// comes from outside, so everything is bounded: a cell, a line, the number of rows
// and the whole file; the file is read in chunks, never whole. A cell that is not
// UTF-8 or holds a NUL byte is a problem of its own and reading goes on; a limit
// exceeded or a quote left open ends the reading.
class PlanReader
{
public:
    static constexpr int maximumCellBytes = 1024;
    static constexpr int maximumLineBytes = 16 * 1024;
    static constexpr int maximumColumns = 64;
    static constexpr int maximumRows = 10000;
    static constexpr qint64 maximumFileBytes = 8 * 1024 * 1024;
    static constexpr int maximumProblems = 100;

    // Reads every row from `device`, the header included. True when no problem was
    // found; rows() then holds the table and problems() is empty.
    bool read(QIODevice *device);
    // The same for bytes already in memory.
    bool read(const QByteArray &bytes);

    // Rows without the blank lines, each a list of cells.
    const QVector<QVector<PlanCell>> &rows() const { return table; }
    const QVector<PlanProblem> &problems() const { return found; }

private:
    enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted, AfterCarriageReturn };

    void start();
    // False once reading must stop.
    bool feed(const char *bytes, qint64 size);
    // Holds the bytes up to the end of the header row until they tell the separator.
    bool acceptByte(char byte);
    bool decideSeparator();
    bool takeByte(char byte);
    bool parseByte(char byte);
    bool finish();
    bool endCell();
    bool endRow();
    bool appendToCell(char byte);
    void fail(int line, int column, const QString &what);
    // A problem after which the rest of the file cannot be read as a table.
    void stop(int line, int column, const QString &what);

    QVector<QVector<PlanCell>> table;
    QVector<PlanProblem> found;
    QVector<PlanCell> row;
    QByteArray cell;
    // Until the header row has been seen: its bytes, and any blank lines before it.
    QByteArray headerBytes;
    char separator = 0;
    State state = State::CellStart;
    bool cellQuoted = false;
    bool stopped = false;
    int line = 1;
    int cellLine = 1;
    int rowLine = 1;
    int lineBytes = 0;
    qint64 fileBytes = 0;
    int bomBytesSeen = 0;
};

#endif // PLANREADER_H
