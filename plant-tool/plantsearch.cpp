#include "plantsearch.h"

#include "fleetlink.h"

PlantSearch::PlantSearch(const ProgramProfile &profile, QObject *parent)
    : QObject(parent)
    , link(std::make_unique<FleetLink>(profile))
    , directory(std::make_unique<PumpDirectory>(*link))
    , fleetReader(std::make_unique<FleetReader>(*link, profile, retryMs))
{
    connect(directory.get(), &PumpDirectory::pumpFound, this,
            [this](const FoundPump &pump) { emit pumpFound(fleetReader->add(pump)); });
    connect(directory.get(), &PumpDirectory::finished, this, [this] {
        searching = false;
        fleetReader->closeIntake();
        emit progressed();
    });
    connect(fleetReader.get(), &FleetReader::readoutChanged, this, &PlantSearch::readoutChanged);
    connect(fleetReader.get(), &FleetReader::progressed, this, &PlantSearch::progressed);
    connect(fleetReader.get(), &FleetReader::askingAgainChanged, this, &PlantSearch::progressed);
    connect(fleetReader.get(), &FleetReader::finished, this, &PlantSearch::finished);
}

PlantSearch::~PlantSearch()
{
    // The reader and the directory listen to the link: they go first.
    fleetReader.reset();
    directory.reset();
}

bool PlantSearch::start()
{
    if (!link->openEthernet())
        return false;
    searching = true;
    directory->search(searchWaitMs);
    return true;
}

void PlantSearch::stop()
{
    link->stopStarting();
    fleetReader->stop();
}

QString PlantSearch::errorString() const { return link->errorString(); }
