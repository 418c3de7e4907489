#ifndef IPV4ADDRESS_H
#define IPV4ADDRESS_H

#include <QString>

// The form shows an IPv4 address as four decimal groups of up to three digits.
// Returns the address as the pump must receive it, each group without leading
// zeros ("192.168.001.020" gives "192.168.1.20"), or a null string when the text is
// not four decimal groups from 0 to 255. Groups are always read as decimal numbers:
// a leading zero is padding in the form, never an octal prefix.
QString canonicalIPv4(const QString &typed);

#endif // IPV4ADDRESS_H
