#include "identity.h"

#include <QHostAddress>
#include <QString>
#include <cctype>

namespace {

constexpr int nameLength = 17;

// What follows the first marker, up to the next blank or the end of the text.
bool cutAddress(const QByteArray &text, const QByteArray &marker, std::string *address)
{
    const int markerAt = text.indexOf(marker);
    if (markerAt < 0)
        return false;
    const int start = markerAt + marker.size();
    const int blank = text.indexOf(' ', start);
    const QByteArray cut = blank < 0 ? text.mid(start) : text.mid(start, blank - start);
    // Digits, dots and colons only: the address parser would also take a scope
    // ("::1%@host/...") or surrounding white space, which the browser then reads as
    // another host.
    for (const char byte : cut) {
        if (!isxdigit(static_cast<unsigned char>(byte)) && byte != '.' && byte != ':')
            return false;
    }
    if (QHostAddress(QString::fromLatin1(cut)).isNull())
        return false;
    *address = cut.toStdString();
    return true;
}

bool cutName(const QByteArray &text, int start, std::string *name)
{
    if (start < 0 || text.size() - start < nameLength)
        return false;
    *name = text.mid(start, nameLength).toStdString();
    return true;
}

} // namespace

bool cutIdentity(const QByteArray &text, PumpIdentity *identity)
{
    PumpIdentity cut;
    bool ok = false;
    if (text.contains("BRAND ")) {
        const int blank = text.indexOf(' ');
        ok = cutName(text, blank + 1, &cut.name) && cutAddress(text, "AT ", &cut.address);
    } else {
        ok = cutName(text, 0, &cut.name) && cutAddress(text, "@ ", &cut.address);
    }
    if (ok)
        *identity = cut;
    return ok;
}
