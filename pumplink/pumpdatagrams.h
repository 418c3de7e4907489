#ifndef PUMPDATAGRAMS_H
#define PUMPDATAGRAMS_H

#include <functional>

class QNetworkDatagram;
class QUdpSocket;

// How every pump link takes pumps' datagrams from its UDP socket.
namespace PumpDatagrams {

// Binds `socket` to a port the system picks, for a search or for many pumps at once,
// and makes its receive buffer room for their answers. False when it cannot bind.
bool bindForPumps(QUdpSocket &socket);

// Gives the socket the room for ten thousand pumps answering one broadcast, or one
// read step, at the same moment.
void enlargeReceiveBuffer(QUdpSocket &socket);

// Hands the datagrams waiting on `socket` to `take`, in order. A flood must not hold
// the thread and with it the window or the pacing of every other pump: only so many
// are taken per call. Whatever is left keeps the socket readable, so its notification
// comes again on the next turn of the event loop. Call it only from the socket's
// readyRead: the socket stops notifying after a notification that finds nothing.
void drain(QUdpSocket &socket, const std::function<void(const QNetworkDatagram &)> &take);

} // namespace PumpDatagrams

#endif // PUMPDATAGRAMS_H
