#ifndef IDENTITY_H
#define IDENTITY_H

#include <QByteArray>
#include <string>

// A pump's name and address as cut from the text of its identity reply.
struct PumpIdentity
{
    std::string name;
    std::string address;
};

// The name is 17 bytes long; either the text opens with the maker's word
// ("BRAND <name> ... AT <address> ...") or with the name itself
// ("<name> ... @ <address> ..."). Returns false for text that cannot be cut or
// whose address is not an IP address literal: anything on the network can answer
// a broadcast, and the address is contacted and opened in the browser.
bool cutIdentity(const QByteArray &text, PumpIdentity *identity);

#endif // IDENTITY_H
