#ifndef PUMPDISCOVERY_H
#define PUMPDISCOVERY_H

class QUdpSocket;

namespace PumpDiscovery {

// Sends the identity query from `socket`, which must be bound, to the limited
// broadcast and to the directed broadcast of every other IPv4 adapter that can
// broadcast, each address once. Every tool searches with this one walk, so they all
// find the same pumps.
void broadcastIdentityQuery(QUdpSocket &socket);

} // namespace PumpDiscovery

#endif // PUMPDISCOVERY_H
