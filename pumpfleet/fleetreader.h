#ifndef FLEETREADER_H
#define FLEETREADER_H

#include "pumpdirectory.h"
#include "startqueue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <deque>

class FleetLink;
class ProgramProfile;
class PumpRequest;

// What one pump answered: its settings in the profile's order, null where it gave
// no answer.
struct PumpReadout
{
    FoundPump pump;
    QStringList values;

    bool isComplete() const;
    bool answeredNothing() const;
    // The mnemonics of the settings still unknown.
    QStringList missing(const ProgramProfile &profile) const;
};

// Reads many pumps in parallel through one link, each paced as a window paces its
// pump, for `read`, for the first read of a write and for its verification alike.
//
// One rule for late answers: once a pump's last query has left, its answers are
// waited for answerMarginMs. Whatever is still unanswered then is asked again, the
// same way whether the pump left one setting out or answered nothing at all, and
// so on until every setting is in or the pump's retry window (counted from the end
// of its first pass) is over. Plant networks lose datagrams, and nothing else would
// send a lost answer again.
class FleetReader : public QObject
{
    Q_OBJECT

public:
    static constexpr int answerMarginMs = 300;

    FleetReader(FleetLink &link, const ProgramProfile &profile, int retryMs,
                QObject *parent = nullptr);

    // Pumps in their read at once at most (StartQueue::defaultLimit unless set).
    void setConcurrentReads(int pumps) { starts.setLimit(pumps); }
    // Queues a pump's read; it starts as soon as the spread and the limit allow.
    // Returns the pump's index into readouts().
    int add(const FoundPump &pump);
    // No pump will be added any more: finished() follows once every pump is read.
    void closeIntake();
    // add() for each pump, then closeIntake().
    void readAll(const QVector<FoundPump> &pumps);
    // Interrupted: nothing more is asked. finished() follows once the reads on the
    // wire are over.
    void stop();

    const QVector<PumpReadout> &readouts() const { return results; }
    int incompleteCount() const { return results.size() - completeCount; }
    // "asking again: 12 settings from 7 pumps" while pumps are asked again, else null.
    QString askingAgainText() const;
    // The same as numbers: settings being asked again, from how many pumps.
    int settingsAskedAgainCount() const { return settingsAskedAgain; }
    int pumpsAskedAgainCount() const { return pumpsAskedAgain; }

signals:
    // `complete` of `total` pumps have answered everything.
    void progressed(int complete, int total);
    // A pump's readout took an answer (`pump` indexes readouts()).
    void readoutChanged(int pump);
    // Pumps are being asked again, or no longer: askingAgainText() says which.
    void askingAgainChanged();
    void finished();

private:
    enum class Stage { Queued, Asking, Listening, Done };
    struct Pass
    {
        Stage stage = Stage::Queued;
        qint64 retryEndsMs = -1; // on `clock`, from the end of the first pass
        int askedAgain = 0; // settings asked again in the current pass
        // The pump's read on the link, heard until the next pass is asked.
        PumpRequest *request = nullptr;
    };

    void ask(int pump);
    void takeSetting(int pump, int settingIndex, const QString &value);
    void takeFinished(int pump, bool started);
    void endMargins();
    void judge(int pump);
    void askAgain(int pump);
    void leaveRetry(int pump);
    void done(int pump);
    void finishIfOver();

    FleetLink &link;
    const ProgramProfile &profile;
    const int retryMs;
    QVector<PumpReadout> results;
    QVector<Pass> passes;
    StartQueue starts;
    // Pumps waiting out their margin, in the order it ends.
    std::deque<std::pair<qint64, int>> listening;
    QTimer marginTimer;
    QElapsedTimer clock;
    int completeCount = 0;
    int doneCount = 0;
    int settingsAskedAgain = 0;
    int pumpsAskedAgain = 0;
    bool intakeOpen = true;
    bool stopped = false;
    bool over = false;
};

#endif // FLEETREADER_H
