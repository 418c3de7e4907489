#ifndef ISOLATEDNETWORK_H
#define ISOLATEDNETWORK_H

// Broadcasts may only be sent where they cannot leave the machine: inside a
// private network namespace whose only interface is loopback.
bool inIsolatedNetwork();

#endif // ISOLATEDNETWORK_H
