#ifndef PLANTBENCH_H
#define PLANTBENCH_H

#include <QString>

// The window's side of plant-bench, run as the bench's child so that its peak
// memory is the window's own: searches and reads the plant, opens `planPath` and
// writes it, then prints "<search ms> <write ms> <search stall ms> <write stall ms>
// <confirmed>".
int runPlantWindow(const QString &planPath, int restartWaitMs, int pumps);

#endif // PLANTBENCH_H
