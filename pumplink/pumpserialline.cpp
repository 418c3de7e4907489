#include "pumpserialline.h"

#include <QSerialPort>
#include <QString>

namespace PumpSerialLine {

void configure(QSerialPort &port, const QString &portName)
{
    port.setPortName(portName);
    port.setBaudRate(QSerialPort::Baud115200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
}

} // namespace PumpSerialLine
