#ifndef ADAPTERBINDING_H
#define ADAPTERBINDING_H

#include "pumpadapter.h"

#include <QString>
#include <QVector>

class QUdpSocket;

// Ties a UDP socket to one network adapter, so that what it sends leaves through that
// adapter whatever the routing table says (a limited broadcast, or a pump outside
// every network of this computer) and it hears only what comes in there.
namespace AdapterBinding {

// Binds the unbound `socket` to a port the system picks and ties it to `adapter`:
// SO_BINDTODEVICE on Linux (no privilege needed since Linux 5.7), the adapter's own
// address and IP_UNICAST_IF on Windows. False, with the system's reason in `error`,
// when either is refused; the socket is then closed.
bool tie(QUdpSocket &socket, const PumpAdapter &adapter, QString *error);

// Null when a socket can be tied to `adapter`; else, in plain words, that the system
// refuses it, why, and what allows it.
QString refusal(const PumpAdapter &adapter);

// The adapter the limited broadcast of an untied socket leaves through (the one that
// holds the route to it), found without sending anything; null when it leaves through
// none of `adapters` (loopback, or no route).
PumpAdapter limitedBroadcastAdapter(const QVector<PumpAdapter> &adapters);

} // namespace AdapterBinding

#endif // ADAPTERBINDING_H
