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
// is known. Results go to standard output; problems and progress to standard error.
// A key is never printed.
class PlanWrite : public QObject
{
    Q_OBJECT

public:
    PlanWrite(FleetLink *link, const ProgramProfile &profile, Plan *plan,
              const WriteOptions &options, QObject *parent = nullptr);

    void start();
    // Ctrl-C: what is on the wire is finished, nothing more starts.
    void interrupt();

signals:
    void finished(int exitStatus);

private:
    enum class Phase { Search, ReadFirst, Write, RestartWait, Verify, Done };

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

    // The phases, in order.
    void findPumps();
    void readFirst();
    void keepWhatPumpsHold();
    void writeAll();
    void takeWriteFinished(const QString &where, bool started);
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
    void printFrames();
    void showProgress();
    QString pumpLabel(const PumpWork &pump) const;
    void finish(int exitStatus);

    FleetLink *link;
    const ProgramProfile &profile;
    Plan *plan;
    WriteOptions options;
    PumpDirectory directory;
    Phase phase = Phase::Search;
    QVector<PumpWork> pumps;
    std::unique_ptr<FleetReader> reader;
    StartQueue writes;
    QHash<QString, int> writing;
    int writesDone = 0;
    bool interrupted = false;
    QTimer restartTimer;
    QTimer progressTimer;
    QElapsedTimer clock;
    // Written pumps in the order their restart ends.
    std::deque<int> restarting;
};

#endif // PLANWRITE_H
