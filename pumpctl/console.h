#ifndef CONSOLE_H
#define CONSOLE_H

#include <QString>

// Where pumpctl's words go: results alone on standard output, so they can be piped;
// problems, progress and (with --verbose) the link's diagnostic lines on standard
// error.
namespace Console {

// Without `verbose` the toolkit's debug lines stay off the terminal (the link's are
// not even made); warnings still reach standard error. `quiet` silences progress.
void setUp(bool verbose, bool quiet);

void printResult(const QString &text);
// One line on standard error; a progress line in its way is cleared first.
void printProblem(const QString &line);

// Progress shows only on a terminal, and never with --quiet.
bool showsProgress();
// Replaces the progress line shown last.
void showProgress(const QString &line);
void clearProgress();

} // namespace Console

#endif // CONSOLE_H
