#include "console.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// A thousand pumps answering must not make a thousand terminal writes.
constexpr qint64 progressIntervalMs = 100;

bool progressWanted = false;
int progressWidth = 0;
QElapsedTimer sinceProgress;

void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    Console::printProblem(message);
}

// The lines as the windows write them, without the category in front.
void passEveryLine(QtMsgType, const QMessageLogContext &, const QString &message)
{
    Console::printProblem(message);
}

#ifdef Q_OS_WIN
HANDLE consoleOf(FILE *stream)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) ? handle : nullptr;
}

bool isTerminal(FILE *stream) { return consoleOf(stream) != nullptr; }

// A console takes the text as UTF-16, whatever its code page.
bool writtenToConsole(FILE *stream, const QString &text)
{
    const HANDLE console = consoleOf(stream);
    if (!console)
        return false;
    DWORD written = 0;
    return WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()),
                         DWORD(text.size()), &written, nullptr);
}

// Files and pipes get UTF-8 with \n line ends, byte for byte what Linux writes: the
// C runtime's text mode would turn each \n into \r\n.
void keepLineEnds(FILE *stream) { _setmode(_fileno(stream), _O_BINARY); }
#else
bool isTerminal(FILE *stream) { return isatty(fileno(stream)); }

bool writtenToConsole(FILE *, const QString &) { return false; }

void keepLineEnds(FILE *) { }
#endif

void writeTo(FILE *stream, const QString &text)
{
    if (writtenToConsole(stream, text))
        return;
    keepLineEnds(stream);
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}

} // namespace

namespace Console {

void setUp(bool verbose, bool quiet)
{
    progressWanted = !quiet && isTerminal(stderr);
    if (verbose) {
        qInstallMessageHandler(passEveryLine);
        return;
    }
    QLoggingCategory::setFilterRules(QStringLiteral("pump.fleet.debug=false"));
    qInstallMessageHandler(dropDebugLines);
}

void printResult(const QString &text) { writeTo(stdout, text); }

void printProblem(const QString &line)
{
    clearProgress();
    writeTo(stderr, line + QLatin1Char('\n'));
}

bool showsProgress() { return progressWanted; }

void showProgress(const QString &line)
{
    if (!progressWanted)
        return;
    if (sinceProgress.isValid() && sinceProgress.elapsed() < progressIntervalMs)
        return;
    sinceProgress.start();
    // Blanks over what is left of a longer line before.
    const QString padded = line.leftJustified(progressWidth);
    progressWidth = line.size();
    writeTo(stderr, QLatin1Char('\r') + padded);
}

void clearProgress()
{
    if (!progressWanted || progressWidth == 0)
        return;
    writeTo(stderr,
            QLatin1Char('\r') + QString(progressWidth, QLatin1Char(' ')) + QLatin1Char('\r'));
    progressWidth = 0;
    sinceProgress.invalidate();
}

} // namespace Console
