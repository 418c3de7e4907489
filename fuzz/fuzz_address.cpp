// The technician types the five addresses; whatever the field holds, the address
// that reaches the pump is either a proper dotted-decimal IPv4 address or nothing.
//
// Input: byte 0 chooses the encoding of the rest, even for UTF-8 and odd for UTF-16
// (host order, a trailing odd byte dropped), so that text outside Latin-1, lone
// surrogates included, reaches the check.

#include "ipv4address.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

QString typedText(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QString();
    const char *text = reinterpret_cast<const char *>(data + 1);
    const size_t textSize = size - 1;
    if (data[0] % 2 == 0)
        return QString::fromUtf8(text, static_cast<int>(textSize));
    std::vector<char16_t> units(textSize / 2);
    if (!units.empty())
        std::memcpy(units.data(), text, units.size() * sizeof(char16_t));
    return QString::fromUtf16(units.data(), static_cast<int>(units.size()));
}

bool isDigitsAndDots(const QString &text)
{
    for (const QChar character : text) {
        if (character != QLatin1Char('.')
            && (character < QLatin1Char('0') || character > QLatin1Char('9')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = typedText(data, size);
    const QString sent = canonicalIPv4(typed);
    if (sent.isNull())
        return 0;

    // Only digits and dots are ever accepted; nothing else passes through.
    require(isDigitsAndDots(typed));
    require(typed.count(QLatin1Char('.')) == 3);

    QHostAddress address;
    require(address.setAddress(sent));
    require(address.protocol() == QAbstractSocket::IPv4Protocol);
    require(address.toString() == sent);
    require(canonicalIPv4(sent) == sent);
    return 0;
}
