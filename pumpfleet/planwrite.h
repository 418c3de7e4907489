#ifndef PLANWRITE_H
#define PLANWRITE_H

#include "fleetreader.h"
#include "plan.h"
#include "pumpdirectory.h"
#include "startqueue.h"
#include "writeresult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <deque>
#include <memory>

class FleetLink;
class ProgramProfile;

struct WriteOptions
{
    QString planName; // as problems name the file
    bool dryRun = false;
    bool verify = true;
    bool serial = false;
    int parallel = StartQueue::defaultLimit; // pumps in their sequence at once at most
    int searchWaitMs = 3000; // at most: the search ends once every pump answered
    int restartWaitMs = 15000;
    // How long settings left unanswered are asked again; the verification asks at
    // least as long as the restart wait.
    int retryMs = 5000;
};

// A checked plan carried out, in phases that run in this order: the pumps found by
// one search; those the plan leaves partly as they are read first; every pump
// written in parallel; the restart waited out once for all; every pump read again
// where it now is and compared with what it was sent; one line per pump reported.
// Nothing is sent until every pump of the plan is found and every value to be sent
// is known. It prints nothing: each face presents its phases, problems and outcomes.
class PlanWrite : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Search, ReadFirst, Write, RestartWait, Verify, Done };
    Q_ENUM(Phase)

    // One pump of the plan and what became of it.
    struct PumpWork
    {
        int planIndex = 0;
        QString where;
        QStringList values;
        int readIndex = -1; // in the reader of the current phase
        bool written = false;
        qint64 restartEndsMs = 0; // on `clock`

        PumpOutcome outcome = PumpOutcome::Unknown;
        QString detail;
    };

    PlanWrite(FleetLink *link, const ProgramProfile &profile, Plan *plan,
              const WriteOptions &options, QObject *parent = nullptr);

    void start();
    // Ctrl-C: what is on the wire is finished, nothing more starts.
    void interrupt();

    Phase phase() const { return currentPhase; }
    // The plan's pumps, in its order: their values as sent, once known, and outcomes.
    const QVector<PumpWork> &work() const { return pumps; }
    // How a result names the pump: as the plan does.
    QString pumpLabel(const PumpWork &pump) const;
    int writesFinished() const { return writesDone; }
    // Until the last pump written has restarted; 0 when none is waiting.
    qint64 restartMsLeft() const;
    // The reader of the first read or the verification, while one runs.
    const FleetReader *currentReader() const { return reader.get(); }
    bool wasInterrupted() const { return interrupted; }

signals:
    void phaseChanged(PlanWrite::Phase phase);
    // A pump's write is over (`index` into work()).
    void pumpWritten(int index);
    // The interruption was taken in `phase`: nothing was written before the write
    // phase; from it on, the writes on the wire are finished and no more started.
    void interruptedIn(PlanWrite::Phase phase);
    // The plan or what the pumps reported has problems (in the plan's report):
    // nothing was sent, finished(2) follows.
    void stoppedForProblems();
    // A dry run is over: work() holds every frame's values; finished(0) follows.
    void dryRunReady();
    // Every pump's outcome is known, in work(); one signal per pump in the plan's
    // order, then finished().
    void pumpReported(int index);
    void finished(int exitStatus);

private:
    // The phases, in order.
    void findPumps();
    void readFirst();
    void keepWhatPumpsHold();
    void writeAll();
    void startWrite(int pump);
    void takeWriteFinished(int pump, bool started);
    void waitForRestart();
    void verifyRestarted();
    void judgeVerification();
    void report();

    // What is checked before anything is sent.
    void keepSetting(PumpWork &pump, int setting, const PumpReadout &readout);
    void checkNewAddresses();
    bool stopForProblems();
    QString verifyAddress(const PumpWork &pump) const;

    std::unique_ptr<FleetReader> newReader(int retryMs);
    void enter(Phase next);
    void finish(int exitStatus);

    FleetLink *link;
    const ProgramProfile &profile;
    Plan *plan;
    WriteOptions options;
    PumpDirectory directory;
    Phase currentPhase = Phase::Search;
    QVector<PumpWork> pumps;
    std::unique_ptr<FleetReader> reader;
    StartQueue writes;
    int writesDone = 0;
    bool interrupted = false;
    QTimer restartTimer;
    QElapsedTimer clock;
    // Written pumps in the order their restart ends.
    std::deque<int> restarting;
};

#endif // PLANWRITE_H
