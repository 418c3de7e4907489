#ifndef FLEETREADER_H
#define FLEETREADER_H

#include "pumpdirectory.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>

class FleetLink;
class ProgramProfile;

// What one pump answered: its settings in the profile's order, null where it gave
// no answer.
struct PumpReadout
{
    PumpTarget target;
    QStringList values;

    bool isComplete() const;
    // The mnemonics of the settings still unknown.
    QStringList missing(const ProgramProfile &profile) const;
};

// Reads many pumps in parallel through one link, each paced as a window paces its
// pump; waits a short margin for the last answers, then asks each pump once more
// for what it left unanswered.
class FleetReader : public QObject
{
    Q_OBJECT

public:
    // How long answers may come after a pump's last query.
    static constexpr int answerMarginMs = 300;

    FleetReader(FleetLink &link, const ProgramProfile &profile, QObject *parent = nullptr);

    // Returns when every pump has answered everything or the second round is over.
    void readAll(const QVector<PumpTarget> &targets);
    const QVector<PumpReadout> &readouts() const { return results; }
    int incompleteCount() const;

signals:
    // `complete` of `total` pumps have answered everything.
    void progressed(int complete, int total);

private:
    void runRound(bool askOnlyMissing);
    void takeSetting(const QString &where, int index, const QString &value);

    FleetLink &link;
    const ProgramProfile &profile;
    QVector<PumpReadout> results;
    QHash<QString, int> byWhere;
    int completeCount = 0;
};

#endif // FLEETREADER_H
