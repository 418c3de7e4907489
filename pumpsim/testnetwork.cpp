#include "testnetwork.h"

#include <QNetworkInterface>

#ifdef Q_OS_LINUX
#include <cstring>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace TestNetwork {

namespace {

// What drives the interface, as the kernel names it ("veth"); empty when unknown.
QString driverOf(const QString &interfaceName)
{
#ifdef Q_OS_LINUX
    const int probe = socket(AF_INET, SOCK_DGRAM, 0);
    if (probe < 0)
        return QString();
    ethtool_drvinfo info {};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request {};
    const QByteArray name = interfaceName.toLocal8Bit();
    std::strncpy(request.ifr_name, name.constData(), IFNAMSIZ - 1);
    request.ifr_data = reinterpret_cast<char *>(&info);
    const bool known = ioctl(probe, SIOCETHTOOL, &request) == 0;
    close(probe);
    return known ? QString::fromLatin1(info.driver) : QString();
#else
    Q_UNUSED(interfaceName)
    return QString();
#endif
}

} // namespace

bool isBenchmarkingAddress(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol
        && (address.toIPv4Address() >> 17) == (0xc6120000u >> 17);
}

bool inVethNamespace(QString *why)
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const bool loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
        if (!loopback && driverOf(interface.name()) != QLatin1String("veth")) {
            *why = QStringLiteral("%1 is neither loopback nor a veth").arg(interface.name());
            return false;
        }
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLoopback()
                || isBenchmarkingAddress(ip))
                continue;
            *why = QStringLiteral("%1 holds %2, outside 198.18.0.0/15")
                       .arg(interface.name(), ip.toString());
            return false;
        }
    }
    return true;
}

} // namespace TestNetwork
