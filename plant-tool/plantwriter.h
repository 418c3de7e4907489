#ifndef PLANTWRITER_H
#define PLANTWRITER_H

#include "plan.h"
#include "planwrite.h"

#include <QObject>
#include <QVector>

#include <memory>

class FleetLink;
class PlantModel;

// One write of the plant's changed rows, through the write's phases: the pumps
// found, read first where the table keeps a value, written in parallel, the
// restart waited out, each read back and judged. Each row's outcome goes to the
// model as soon as it is known.
class PlantWriter : public QObject
{
    Q_OBJECT

public:
    PlantWriter(PlantModel &model, const QVector<int> &rows, const WriteOptions &options,
                QObject *parent = nullptr);
    ~PlantWriter() override;

    // False when the link cannot be opened or the rows make no plan; problems()
    // then says why.
    bool start();
    // Esc: the writes on the wire finish with their save frame, no more start.
    void stop();

    const PlanWrite &write() const { return *planWrite; }
    QStringList problems() const { return planProblems; }
    int pumpCount() const { return rows.size(); }
    int confirmedCount() const { return confirmed; }

signals:
    void phaseChanged(PlanWrite::Phase phase);
    void finished();

private:
    QVector<QVector<PlanCell>> planRows() const;
    void takeOutcome(int index);
    void settleRows();

    PlantModel &model;
    const QVector<int> rows;
    WriteOptions options;
    std::unique_ptr<FleetLink> link;
    std::unique_ptr<Plan> plan;
    std::unique_ptr<PlanWrite> planWrite;
    QStringList planProblems;
    int confirmed = 0;
};

#endif // PLANTWRITER_H
