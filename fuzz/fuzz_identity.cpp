// Anything on the network can answer the identity broadcast. Whatever it says, the
// window either cuts a usable name and address out of it or drops it.
//
// Input: the identity text, as the window receives it (any bytes).

#include "identity.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr size_t nameLength = 17;

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool isSubstring(const QByteArray &text, const std::string &part)
{
    return text.contains(QByteArray::fromStdString(part));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A raw view of the fuzzer's buffer, so that a read past the text's end is caught.
    const QByteArray text
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    PumpIdentity identity;
    identity.name = "untouched";
    identity.address = "untouched";
    if (!cutIdentity(text, &identity)) {
        // A text that cannot be cut leaves the caller's record as it was.
        require(identity.name == "untouched");
        require(identity.address == "untouched");
        return 0;
    }

    require(identity.name.size() == nameLength);
    require(isSubstring(text, identity.name));

    require(!identity.address.empty());
    require(identity.address.find(' ') == std::string::npos);
    require(isSubstring(text, identity.address));
    const QHostAddress address(QString::fromLatin1(QByteArray::fromStdString(identity.address)));
    require(!address.isNull());
    require(address.protocol() == QAbstractSocket::IPv4Protocol
            || address.protocol() == QAbstractSocket::IPv6Protocol);
    return 0;
}
