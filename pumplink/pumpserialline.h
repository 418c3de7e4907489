#ifndef PUMPSERIALLINE_H
#define PUMPSERIALLINE_H

class QSerialPort;
class QString;

namespace PumpSerialLine {

// Names the port and sets the pump's line: 115200 baud both ways, 8 data bits, no
// parity, 1 stop bit, no flow control, in that order. Every tool opens its serial
// port with these settings, so a pump answers each of them alike.
void configure(QSerialPort &port, const QString &portName);

} // namespace PumpSerialLine

#endif // PUMPSERIALLINE_H
