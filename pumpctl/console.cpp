#include "console.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstdio>
#include <unistd.h>

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

void writeTo(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}

} // namespace

namespace Console {

void setUp(bool verbose, bool quiet)
{
    progressWanted = !quiet && isatty(STDERR_FILENO);
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
