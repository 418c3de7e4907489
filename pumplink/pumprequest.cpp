#include "pumprequest.h"

#include "fleetlink.h"

PumpRequest::PumpRequest(const QString &where, bool isWrite, QObject *parent)
    : QObject(parent)
    , pump(where)
    , writes(isWrite)
{ }

PumpRequestRouter::PumpRequestRouter(FleetLink &link)
    : QObject(&link)
{
    connect(&link, &FleetLink::settingReceived, this, &PumpRequestRouter::takeSetting);
    connect(&link, &FleetLink::sequenceStarted, this, &PumpRequestRouter::takeStarted);
    connect(&link, &FleetLink::sequenceFinished, this, &PumpRequestRouter::takeFinished);
}

PumpRequest *PumpRequestRouter::add(const QString &where, bool isWrite, QObject *parent)
{
    auto *request = new PumpRequest(where, isWrite, parent);
    Lane &lane = lanes[where];
    lane.pending.emplace_back(request);
    return request;
}

void PumpRequestRouter::takeSetting(const QString &where, int settingIndex, const QString &value)
{
    const auto it = lanes.find(where);
    if (it != lanes.end() && it->listener)
        emit it->listener->settingReceived(settingIndex, value);
}

// The pump's oldest request is on the wire: a read takes the pump's answers from
// here on, the late ones to the read before it included until now.
void PumpRequestRouter::takeStarted(const QString &where)
{
    const auto it = lanes.find(where);
    if (it == lanes.end() || it->pending.empty())
        return;
    const QPointer<PumpRequest> &request = it->pending.front();
    if (request && !request->isWrite())
        it->listener = request;
}

void PumpRequestRouter::takeFinished(const QString &where, bool started)
{
    const auto it = lanes.find(where);
    if (it == lanes.end() || it->pending.empty())
        return;
    const QPointer<PumpRequest> request = it->pending.front();
    it->pending.pop_front();
    if (it->pending.empty() && !it->listener)
        lanes.erase(it);
    if (!request)
        return;
    request->over = true;
    emit request->finished(started);
}
