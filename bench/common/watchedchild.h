#ifndef WATCHEDCHILD_H
#define WATCHEDCHILD_H

#include <QByteArray>
#include <QStringList>

// A program a benchmark ran as its child, timed from its start to its exit.
struct WatchedChild
{
    double ms = 0;
    // The child's own high-water mark of resident memory: a child starts as a copy
    // of its parent, so the parent's figure would count the benchmark too.
    long peakKiB = 0;
    int exitCode = -1; // -1 when it could not start or did not exit by itself
    QByteArray output; // what it wrote to standard output
};

// Runs `arguments` (the program first) with its standard output to `outputPath`
// and its standard error dropped, and waits for it here, sampling its peak memory.
WatchedChild runWatched(const QStringList &arguments, const QString &outputPath);

#endif // WATCHEDCHILD_H
