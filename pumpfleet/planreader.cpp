#include "planreader.h"

#include "planheader.h"

#include <QIODevice>

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
constexpr qint64 chunkBytes = 64 * 1024;

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int size = bytes.size();
    int i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        int continuation = 0;
        unsigned int lowest = 0;
        unsigned int code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            continuation = 1;
            lowest = 0x80;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            continuation = 2;
            lowest = 0x800;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            continuation = 3;
            lowest = 0x10000;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + continuation >= size)
            return false;
        for (int k = 1; k <= continuation; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (data[i + k] & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += continuation + 1;
    }
    return true;
}

} // namespace

bool PlanReader::read(QIODevice *device)
{
    start();
    QByteArray chunk(chunkBytes, Qt::Uninitialized);
    while (!stopped) {
        const qint64 size = device->read(chunk.data(), chunkBytes);
        if (size < 0) {
            stop(line, 0, QStringLiteral("cannot be read: %1").arg(device->errorString()));
            break;
        }
        if (size == 0)
            break;
        if (!feed(chunk.constData(), size))
            break;
    }
    if (!stopped)
        finish();
    return found.isEmpty();
}

bool PlanReader::read(const QByteArray &bytes)
{
    start();
    if (feed(bytes.constData(), bytes.size()))
        finish();
    return found.isEmpty();
}

void PlanReader::start()
{
    table.clear();
    found.clear();
    row.clear();
    cell.clear();
    headerBytes.clear();
    separator = 0;
    state = State::CellStart;
    cellQuoted = false;
    stopped = false;
    line = 1;
    cellLine = 1;
    rowLine = 1;
    lineBytes = 0;
    fileBytes = 0;
    bomBytesSeen = 0;
}

bool PlanReader::feed(const char *bytes, qint64 size)
{
    for (qint64 i = 0; i < size && !stopped; ++i) {
        const char byte = bytes[i];
        ++fileBytes;
        if (fileBytes > maximumFileBytes) {
            stop(line, 0, QStringLiteral("the plan is larger than %1 bytes").arg(maximumFileBytes));
            return false;
        }
        // A byte order mark is skipped; the bytes of one begun but not finished are
        // plan text after all.
        if (bomBytesSeen >= 0 && bomBytesSeen < 3) {
            if (byte == byteOrderMark[bomBytesSeen]) {
                ++bomBytesSeen;
                continue;
            }
            const int seen = bomBytesSeen;
            bomBytesSeen = -1;
            for (int k = 0; k < seen; ++k) {
                if (!acceptByte(byteOrderMark[k]))
                    return false;
            }
        }
        if (!acceptByte(byte))
            return false;
    }
    return !stopped;
}

bool PlanReader::acceptByte(char byte)
{
    if (separator != 0)
        return takeByte(byte);
    headerBytes.append(byte);
    // A header row too long to be one is decided on what has come; the row's own
    // limit then stops the reading.
    const bool headerEnded
        = byte == '\n' && !PlanHeader::isBlankLine(PlanHeader::lastLine(headerBytes));
    if (!headerEnded && headerBytes.size() <= maximumLineBytes)
        return true;
    return decideSeparator();
}

// Decides from the header row and reads the bytes held so far with it; a header
// that fits neither separator ends the reading, as no row after it can be cut.
bool PlanReader::decideSeparator()
{
    separator = PlanHeader::separatorOf(PlanHeader::lastLine(headerBytes));
    if (separator == 0) {
        const int headerLine = headerBytes.left(headerBytes.size() - 1).count('\n') + 1;
        stop(headerLine, 1, PlanHeader::describe(PlanHeader::lastLine(headerBytes)));
        return false;
    }
    const QByteArray held = headerBytes;
    headerBytes.clear();
    for (const char byte : held) {
        if (!takeByte(byte))
            return false;
    }
    return true;
}

bool PlanReader::takeByte(char byte)
{
    if (++lineBytes > maximumLineBytes) {
        stop(rowLine, row.size() + 1,
             QStringLiteral("the row is longer than %1 bytes").arg(maximumLineBytes));
        return false;
    }
    return parseByte(byte);
}

bool PlanReader::parseByte(char byte)
{
    switch (state) {
    case State::AfterCarriageReturn:
        state = State::CellStart;
        if (byte == '\n') {
            lineBytes = 0;
            return true;
        }
        return takeByte(byte);
    case State::CellStart:
        cellLine = line;
        if (byte == '"') {
            cellQuoted = true;
            state = State::Quoted;
            return true;
        }
        state = State::Unquoted;
        return parseByte(byte);
    case State::Unquoted:
        if (byte == separator)
            return endCell();
        if (byte == '\n' || byte == '\r') {
            if (!endCell() || !endRow())
                return false;
            state = byte == '\r' ? State::AfterCarriageReturn : State::CellStart;
            return true;
        }
        if (byte == '"')
            fail(line, row.size() + 1, QStringLiteral("a quote inside a cell that is not quoted"));
        return appendToCell(byte);
    case State::Quoted:
        if (byte == '"') {
            state = State::QuoteInQuoted;
            return true;
        }
        if (byte == '\n')
            ++line;
        return appendToCell(byte);
    case State::QuoteInQuoted:
        if (byte == '"') {
            state = State::Quoted;
            return appendToCell(byte);
        }
        if (byte != separator && byte != '\n' && byte != '\r') {
            fail(line, row.size() + 1, QStringLiteral("text after the closing quote of a cell"));
            state = State::Unquoted;
            return appendToCell(byte);
        }
        state = State::Unquoted;
        return parseByte(byte);
    }
    return true;
}

bool PlanReader::appendToCell(char byte)
{
    if (cell.size() >= maximumCellBytes) {
        stop(cellLine, row.size() + 1,
             QStringLiteral("the cell is longer than %1 bytes").arg(maximumCellBytes));
        return false;
    }
    cell.append(byte);
    return !stopped;
}

bool PlanReader::endCell()
{
    if (row.size() >= maximumColumns) {
        stop(rowLine, row.size() + 1,
             QStringLiteral("the row has more than %1 columns").arg(maximumColumns));
        return false;
    }
    PlanCell taken;
    taken.line = cellLine;
    taken.column = row.size() + 1;
    taken.quoted = cellQuoted;
    if (cell.contains('\0')) {
        taken.broken = true;
        fail(taken.line, taken.column, QStringLiteral("the cell holds a NUL byte"));
    } else if (!isUtf8(cell)) {
        taken.broken = true;
        fail(taken.line, taken.column, QStringLiteral("the cell is not UTF-8 text"));
    } else {
        taken.text = QString::fromUtf8(cell);
    }
    row.append(taken);
    cell.clear();
    cellQuoted = false;
    state = State::CellStart;
    cellLine = line;
    return !stopped;
}

bool PlanReader::endRow()
{
    // A blank line, or one of empty cells only as spreadsheets write it, holds nothing.
    bool blank = true;
    for (const PlanCell &taken : qAsConst(row))
        blank = blank && !taken.quoted && !taken.broken && taken.text.isEmpty();
    if (!blank) {
        if (table.size() > maximumRows) {
            stop(rowLine, 0, QStringLiteral("the plan has more than %1 pumps").arg(maximumRows));
            return false;
        }
        table.append(row);
    }
    row.clear();
    ++line;
    rowLine = line;
    cellLine = line;
    lineBytes = 0;
    return !stopped;
}

bool PlanReader::finish()
{
    if (bomBytesSeen > 0 && bomBytesSeen < 3) {
        const int seen = bomBytesSeen;
        bomBytesSeen = -1;
        for (int k = 0; k < seen; ++k) {
            if (!acceptByte(byteOrderMark[k]))
                return false;
        }
    }
    // A plan of blank lines only, or nothing at all, has no header to decide by.
    if (separator == 0
        && PlanHeader::isBlankLine(QByteArray(headerBytes).replace('\n', QByteArray())))
        separator = ',';
    if (separator == 0 && !decideSeparator())
        return false;
    if (state == State::Quoted) {
        stop(cellLine, row.size() + 1, QStringLiteral("a quote is left open"));
        return false;
    }
    // The last row needs no line end.
    if (state == State::AfterCarriageReturn || (state == State::CellStart && row.isEmpty()))
        return true;
    return endCell() && endRow();
}

void PlanReader::stop(int atLine, int atColumn, const QString &what)
{
    fail(atLine, atColumn, what);
    stopped = true;
}

void PlanReader::fail(int atLine, int atColumn, const QString &what)
{
    if (stopped)
        return;
    if (found.size() >= maximumProblems) {
        found.append({ atLine, atColumn, QStringLiteral("too many problems, reading stopped") });
        stopped = true;
        return;
    }
    found.append({ atLine, atColumn, what });
}
