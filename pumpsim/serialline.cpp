#include "serialline.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int splitPieceGapMs = 5;

// A raw terminal, so the line discipline neither echoes the tool's frames back nor
// turns CR into NL. Returns the path of its other side, or "" on failure.
QString openTerminal(int *masterFd, int *slaveFd)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return QString();
    char path[128] = {};
    if (grantpt(master) != 0 || unlockpt(master) != 0
        || ptsname_r(master, path, sizeof path) != 0) {
        ::close(master);
        return QString();
    }
    // Our own slave descriptor keeps the terminal alive while the tool closes and
    // reopens its port; without it the master would see a hang-up each time.
    const int slave = ::open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        return QString();
    }
    termios settings {};
    if (tcgetattr(slave, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B115200);
        cfsetospeed(&settings, B115200);
        tcsetattr(slave, TCSANOW, &settings);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    *masterFd = master;
    *slaveFd = slave;
    return QString::fromLocal8Bit(path);
}

} // namespace

SerialLine::SerialLine(QObject *parent)
    : QObject(parent)
{
    paceTimer.setSingleShot(true);
    paceTimer.setTimerType(Qt::PreciseTimer);
    paceTimer.setInterval(splitPieceGapMs);
    connect(&paceTimer, &QTimer::timeout, this, &SerialLine::writeNextPiece);
}

SerialLine::~SerialLine() { close(); }

QString SerialLine::open(int pump)
{
    close();
    const QString path = openTerminal(&masterFd, &slaveFd);
    if (path.isEmpty())
        return path;
    servedPump = pump;
    framer.clear();
    notifier = new QSocketNotifier(masterFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SerialLine::readAvailable);
    return path;
}

void SerialLine::close()
{
    delete notifier;
    notifier = nullptr;
    paceTimer.stop();
    queue.clear();
    if (masterFd >= 0)
        ::close(masterFd);
    if (slaveFd >= 0)
        ::close(slaveFd);
    masterFd = -1;
    slaveFd = -1;
    servedPump = -1;
}

void SerialLine::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(masterFd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            // The slave stays open on our side, so only a broken terminal gets here.
            if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
                notifier->setEnabled(false);
            return;
        }
        const QByteArray chunk(buffer, int(count));
        received.append(chunk);
        const QVector<QByteArray> frames = framer.feed(chunk);
        for (const QByteArray &frame : frames) {
            emit frameReceived(frame);
            if (masterFd < 0)
                return;
        }
    }
}

void SerialLine::send(const QByteArrayList &pieces)
{
    if (masterFd < 0 || pieces.isEmpty())
        return;
    // Pieces of one reply, and later replies behind them, keep their order.
    queue.append(pieces);
    if (paceTimer.isActive())
        return;
    writeNextPiece();
}

void SerialLine::writeNextPiece()
{
    if (queue.isEmpty())
        return;
    writeNow(queue.takeFirst());
    if (!queue.isEmpty())
        paceTimer.start();
}

void SerialLine::writeNow(const QByteArray &bytes)
{
    if (masterFd < 0)
        return;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(masterFd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        // A full terminal drops the rest, as a line nobody reads would.
        if (written <= 0)
            return;
        data += written;
        left -= written;
    }
}
