#ifndef FLEETCONSOLE_H
#define FLEETCONSOLE_H

#include "planwrite.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class ProgramProfile;
class PumpDirectory;

// pumpctl's face of the fleet engine: the engine reports by signals, this puts its
// progress on the terminal's progress line, its problems on standard error and its
// results on standard output.
namespace FleetConsole {

// Once the search is over, its progress line is cleared and the answers that name
// no pump are listed on standard error. Follow a directory before anything else
// connects to its finished(), so that these lines come first.
void followSearch(PumpDirectory &directory);
// Sends the search with "searching: N pumps answered" as its progress.
void searchShowingProgress(PumpDirectory &directory, int waitMs, const QStringList &wanted,
                           bool onePump);

} // namespace FleetConsole

// Presents one PlanWrite: its phases on the progress line, the interruption, the
// plan's problems, a dry run's frames and one result line per pump.
class WriteConsole : public QObject
{
    Q_OBJECT

public:
    WriteConsole(PlanWrite &write, const ProgramProfile &profile, const Plan &plan,
                 const QString &planName, QObject *parent = nullptr);

private:
    void showProgress();
    void reportInterruption(PlanWrite::Phase phase);
    void reportProblems();
    void printFrames();
    void printOutcome(int index);

    PlanWrite &write;
    const ProgramProfile &profile;
    const Plan &plan;
    const QString planName;
    QTimer progressTimer;
};

#endif // FLEETCONSOLE_H
