#ifndef PLANTSEARCH_H
#define PLANTSEARCH_H

#include "fleetreader.h"
#include "pumpdirectory.h"

#include <QObject>

#include <memory>

class FleetLink;
class ProgramProfile;

// One search of the plant and the read of every pump found: each pump is read as
// soon as it answered the search, so the first rows fill while others still answer.
class PlantSearch : public QObject
{
    Q_OBJECT

public:
    static constexpr int searchWaitMs = 3000;
    static constexpr int retryMs = 5000;

    PlantSearch(const ProgramProfile &profile, QObject *parent = nullptr);
    ~PlantSearch() override;

    // False when the link cannot be opened; errorString() says why.
    bool start();
    void stop();
    QString errorString() const;

    const FleetReader &reader() const { return *fleetReader; }
    bool isSearching() const { return searching; }

signals:
    // A pump answered the search; its readout is reader().readouts().at(index).
    void pumpFound(int index);
    void readoutChanged(int index);
    // The reads' progress or their asking again changed.
    void progressed();
    void finished();

private:
    std::unique_ptr<FleetLink> link;
    std::unique_ptr<PumpDirectory> directory;
    std::unique_ptr<FleetReader> fleetReader;
    bool searching = false;
};

#endif // PLANTSEARCH_H
