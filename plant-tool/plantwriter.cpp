#include "plantwriter.h"

#include "fleetlink.h"
#include "fleetreader.h"
#include "plantmodel.h"
#include "programprofile.h"

PlantWriter::PlantWriter(PlantModel &model, const QVector<int> &rows, const WriteOptions &options,
                         QObject *parent)
    : QObject(parent)
    , model(model)
    , rows(rows)
    , options(options)
    , link(std::make_unique<FleetLink>(model.profile()))
    , plan(std::make_unique<Plan>(model.profile(), false))
{ }

PlantWriter::~PlantWriter()
{
    // The write listens to the link: it goes first.
    planWrite.reset();
}

bool PlantWriter::start()
{
    if (!plan->check(planRows())) {
        planProblems = plan->report(options.planName);
        return false;
    }
    if (!link->openEthernet()) {
        planProblems = QStringList { link->errorString() };
        return false;
    }
    planWrite = std::make_unique<PlanWrite>(link.get(), model.profile(), plan.get(), options);
    connect(planWrite.get(), &PlanWrite::phaseChanged, this, &PlantWriter::phaseChanged);
    connect(planWrite.get(), &PlanWrite::pumpReported, this, &PlantWriter::takeOutcome);
    connect(planWrite.get(), &PlanWrite::stoppedForProblems, this,
            [this] { planProblems = plan->report(options.planName); });
    connect(planWrite.get(), &PlanWrite::finished, this, &PlantWriter::settleRows);
    for (const int row : rows)
        model.setWriting(row, true);
    planWrite->start();
    return true;
}

void PlantWriter::stop()
{
    if (planWrite)
        planWrite->interrupt();
}

// The table as a plan: a pump by its name, each changed cell as typed, the others
// empty so that the pump keeps what it holds.
QVector<QVector<PlanCell>> PlantWriter::planRows() const
{
    const ProgramProfile &profile = model.profile();
    QVector<QVector<PlanCell>> table;
    QVector<PlanCell> header { { QStringLiteral("pump"), 1, 1 } };
    for (int setting = 0; setting < profile.settingCount(); ++setting)
        header.append(
            { QString::fromLatin1(profile.settings().at(setting).mnemonic), 1, setting + 2 });
    table.append(header);
    for (int i = 0; i < rows.size(); ++i) {
        const int row = rows.at(i);
        const int line = row + 2;
        QVector<PlanCell> cells { { model.row(row).pump.label(), line, 1 } };
        for (int setting = 0; setting < profile.settingCount(); ++setting) {
            const QString text
                = model.cellChanges(row, setting) ? model.row(row).edited.at(setting) : QString();
            cells.append({ text, line, setting + 2 });
        }
        table.append(cells);
    }
    return table;
}

// Stopped before the write began, or refused: no pump was reported, and each row
// still says what happened to it.
void PlantWriter::settleRows()
{
    for (const int row : rows) {
        if (model.row(row).outcome != PumpOutcome::Unknown)
            continue;
        if (planWrite->wasInterrupted())
            model.setOutcome(row, PumpOutcome::NotWritten, QString());
        else
            model.setWriting(row, false);
    }
    emit finished();
}

void PlantWriter::takeOutcome(int index)
{
    const PlanWrite::PumpWork &pump = planWrite->work().at(index);
    if (pump.outcome == PumpOutcome::Confirmed)
        ++confirmed;
    // The reader then is the verification's, and readIndex counts in it.
    const bool verifying = planWrite->phase() == PlanWrite::Phase::RestartWait
        || planWrite->phase() == PlanWrite::Phase::Verify;
    const FleetReader *readBack = verifying ? planWrite->currentReader() : nullptr;
    QStringList values;
    if (pump.written && pump.readIndex >= 0 && readBack
        && pump.readIndex < readBack->readouts().size())
        values = readBack->readouts().at(pump.readIndex).values;
    model.takeReadBack(rows.at(index), values);
    model.setOutcome(rows.at(index), pump.outcome, pump.detail);
}
