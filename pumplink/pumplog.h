#ifndef PUMPLOG_H
#define PUMPLOG_H

#include <QDebug>

// Every diagnostic line starts with the component's tag, the operation that writes
// it and "()"; the caller streams the message items behind. The line is written
// when the returned stream goes out of scope.
inline QDebug logLine(const char *tag, const char *operation)
{
    return qDebug() << tag << operation << "()";
}

inline QDebug managerLog(const char *operation) { return logLine("[PumpManager]", operation); }

#endif // PUMPLOG_H
