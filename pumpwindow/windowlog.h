#ifndef WINDOWLOG_H
#define WINDOWLOG_H

#include "pumplog.h"

inline QDebug windowLog(const char *operation) { return logLine("[MAIN_WINDOW]", operation); }

// Five untagged lines that say which program started and how it was built.
// buildDate and buildTime come from the program's own translation unit.
void logStartupBanner(const char *buildDate, const char *buildTime);

#endif // WINDOWLOG_H
