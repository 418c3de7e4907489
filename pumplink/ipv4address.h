#ifndef IPV4ADDRESS_H
#define IPV4ADDRESS_H

#include <QString>

class QHostAddress;

// The form shows an IPv4 address as four decimal groups of up to three digits.
// Returns the address as the pump must receive it, each group without leading
// zeros ("192.168.001.020" gives "192.168.1.20"), or a null string when the text is
// not four decimal groups from 0 to 255. Groups are always read as decimal numbers:
// a leading zero is padding in the form, never an octal prefix.
QString canonicalIPv4(const QString &typed);

// A pump's address as the links name it and match replies by it: an IPv4 address
// by its IPv4 value in plain dotted form, whether the system reports it as IPv4 or
// as an IPv4-mapped IPv6 address (Windows sockets may: "::ffff:127.0.0.2" gives
// "127.0.0.2"); any other address as the toolkit writes it.
QString plainAddress(const QHostAddress &address);

#endif // IPV4ADDRESS_H
