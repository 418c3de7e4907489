#include "ipv4address.h"

#include <QHostAddress>
#include <QStringList>

QString canonicalIPv4(const QString &typed)
{
    const QStringList groups = typed.split(QLatin1Char('.'));
    if (groups.size() != 4)
        return QString();
    QStringList canonical;
    for (const QString &group : groups) {
        if (group.isEmpty() || group.size() > 3)
            return QString();
        int value = 0;
        for (const QChar digit : group) {
            if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
                return QString();
            value = value * 10 + (digit.unicode() - '0');
        }
        if (value > 255)
            return QString();
        canonical.append(QString::number(value));
    }
    return canonical.join(QLatin1Char('.'));
}

QString plainAddress(const QHostAddress &address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}
