#include "progressline.h"

#include <cstdio>
#include <unistd.h>

ProgressLine::ProgressLine(bool quiet, QObject *parent)
    : QObject(parent)
    , enabled(!quiet && ::isatty(STDERR_FILENO))
{ }

ProgressLine::~ProgressLine() { put(QString()); }

void ProgressLine::show(const QString &phase, int done, int total, int msLeft)
{
    QString text = phase;
    if (total > 0)
        text += QStringLiteral(": %1 of %2 pumps").arg(qMin(done, total)).arg(total);
    if (msLeft > 0)
        text += QStringLiteral(": %1 s left").arg((msLeft + 999) / 1000);
    put(text);
}

void ProgressLine::put(const QString &text)
{
    if (!enabled || (text.isEmpty() && shownWidth == 0))
        return;
    const QByteArray line = text.toUtf8();
    const int padding = qMax(0, shownWidth - line.size());
    std::fprintf(stderr, "\r%s%*s\r%s", line.constData(), padding, "",
                 text.isEmpty() ? "" : line.constData());
    std::fflush(stderr);
    shownWidth = line.size();
}
