#include "serialline.h"

// Where there are no pseudo-terminals (Windows), the simulator serves no serial
// line: open() fails and everything else is left alone. Its UDP pumps work as
// anywhere, for the loopback tests the Windows build runs.

SerialLine::SerialLine(QObject *parent)
    : QObject(parent)
{ }

SerialLine::~SerialLine() = default;

QString SerialLine::open(int) { return QString(); }

void SerialLine::close() { }

void SerialLine::send(const QByteArrayList &) { }
