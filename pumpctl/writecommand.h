#ifndef WRITECOMMAND_H
#define WRITECOMMAND_H

#include <QStringList>

// `pumpctl write PLAN.csv ...`: `arguments` is the whole command line, the program
// and the command word included. Returns the exit status: 0 when every pump is
// confirmed (or, for keys, sent), 1 when some pump failed or the write was
// interrupted, 2 for a bad command line or plan.
int runWriteCommand(const QStringList &arguments);

#endif // WRITECOMMAND_H
