#ifndef PLANWRITE_H
#define PLANWRITE_H

#include "plan.h"
#include "pumpdirectory.h"
#include "writeresult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <deque>

class FleetLink;
class ProgramProfile;

struct WriteOptions
{
    QString planName; // as problems name the file
    bool dryRun = false;
    bool verify = true;
    bool serial = false;
    int parallel = 0; // sequences in flight at most; 0: every pump at once
    int searchWaitMs = 3000; // at most: the search ends once every pump answered
    int restartWaitMs = 15000;
    // How long pumps that did not answer after their restart are asked again.
    int retryMs = 15000;
    // How long the last answers of a read may trail its last query.
    int replyGraceMs = 500;
};

// A checked plan carried out: the pumps found by one search, those the plan leaves
// partly as they are read first, then every pump written in parallel, the restart
// waited out once for all, every pump read again where it now is and compared with
// what it was sent. Nothing is sent until every pump of the plan is found and every
// value to be sent is known. Results go to standard output, one line per pump;
// problems and progress to standard error. A key is never printed.
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
    using Outcome = PumpOutcome;

    struct PumpWork
    {
        int planIndex = 0;
        QString where;
        QStringList values;
        QStringList reported;
        QVector<bool> heard;
        bool written = false;
        qint64 restartEndsMs = 0; // on `clock`

        Outcome outcome = Outcome::Unknown;
        QString differences;
    };

    void resolvePumps();
    void readFirst();
    void keepWhatPumpsHold();
    void checkNewAddresses();
    void printFrames();
    void writeAll();
    void waitForRestart();
    void verifyRestarted();
    void armRestartTimer();
    void judgeAnswers();
    void report();

    void queue(int pump);
    void startQueued();
    void takeSetting(const QString &where, int settingIndex, const QString &value);
    void takeFinished(const QString &where, bool started);
    void sequencesDone();
    bool stopForProblems();
    void showProgress();
    int heardCount(const PumpWork &pump) const;
    qint64 lastRestartEndsMs() const;
    bool awaitsAnswers(const PumpWork &pump) const;
    QString verifyAddress(const PumpWork &pump) const;
    QString pumpLabel(const PumpWork &pump) const;
    void finish(int exitStatus);

    FleetLink *link;
    const ProgramProfile &profile;
    Plan *plan;
    WriteOptions options;
    PumpDirectory directory;
    Phase phase = Phase::Search;
    QVector<PumpWork> pumps;
    std::deque<int> waiting;
    QHash<QString, int> pumpAt;
    int inFlight = 0;
    int missingAnswers = 0;
    int done = 0;
    int total = 0;
    bool interrupted = false;
    QTimer graceTimer;
    QTimer restartTimer;
    QTimer progressTimer;
    QElapsedTimer retryClock;
    QElapsedTimer clock;
    // Written pumps in the order their restart ends.
    std::deque<int> restarting;
};

#endif // PLANWRITE_H
