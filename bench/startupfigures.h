#ifndef STARTUPFIGURES_H
#define STARTUPFIGURES_H

#include <QByteArray>
#include <QHash>

// Figure 6 starts this program again as a child for each start it measures. The
// child reports on stdout, as pairs of a name and a number: when its application
// and its window were made and when the window had painted, counted from the top
// of main(), its steady clock then, and its resident memory.
namespace Bench {

// What one start reported, by name.
using StartupFigures = QHash<QByteArray, double>;

// A start that has not painted by then has failed.
constexpr int startupTimeoutMs = 20000;
// The bare window has the network tool's size.
constexpr int bareWindowWidth = 658;
constexpr int bareWindowHeight = 485;

// The child's side: the pairs, written as one line.
class FigureLine
{
public:
    void add(const char *name, double value, int decimals = 3);
    void print() const;

private:
    QByteArray text;
};

// The parent's side: the pairs read back.
StartupFigures parseFigures(const QByteArray &output);

} // namespace Bench

#endif // STARTUPFIGURES_H
