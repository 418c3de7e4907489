#ifndef PUMPSERIALLINE_H
#define PUMPSERIALLINE_H

#include <QSerialPort>

class QString;

namespace PumpSerialLine {

// A frame on the line waits at most this long to be written, and as long again for
// the pump's answer, before the next frame follows.
constexpr int frameWaitMs = 100;

// Names the port and sets the pump's line: 115200 baud both ways, 8 data bits, no
// parity, 1 stop bit, no flow control, in that order. Every tool opens its serial
// port with these settings, so a pump answers each of them alike.
void configure(QSerialPort &port, const QString &portName);

// A device that fails to read or write is gone (unplugged, or its other end closed)
// and would report the same failure on every turn of the event loop: whoever holds
// the port closes it once on such an error and says so once.
bool isDeviceFailure(QSerialPort::SerialPortError error);

} // namespace PumpSerialLine

#endif // PUMPSERIALLINE_H
