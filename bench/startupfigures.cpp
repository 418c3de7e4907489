#include "startupfigures.h"

#include <QList>

#include <cstdio>

namespace Bench {

void FigureLine::add(const char *name, double value, int decimals)
{
    text += ' ';
    text += name;
    text += ' ';
    text += QByteArray::number(value, 'f', decimals);
}

void FigureLine::print() const
{
    printf("%s\n", text.constData() + 1);
    fflush(stdout);
}

StartupFigures parseFigures(const QByteArray &output)
{
    StartupFigures figures;
    const QList<QByteArray> fields = output.simplified().split(' ');
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        bool ok = false;
        const double value = fields.at(i + 1).toDouble(&ok);
        if (ok)
            figures.insert(fields.at(i), value);
    }
    return figures;
}

} // namespace Bench
