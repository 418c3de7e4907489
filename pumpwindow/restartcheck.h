#ifndef RESTARTCHECK_H
#define RESTARTCHECK_H

#include "formfield.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>
#include <functional>

class SettingsWatch;

struct SettingDifference
{
    FormField field;
    QString written;
    QString held;
};

// After a write and the restart wait the pump is read again. This check keeps
// asking a pump that does not answer yet, every 3 s for 30 s more, and compares
// what an answering pump reports with what was written.
class RestartCheck : public QObject
{
    Q_OBJECT

public:
    // `watch` tells what the pump has answered so far.
    explicit RestartCheck(const SettingsWatch *watch, QObject *parent = nullptr);

    // Settings were handed to the pump; `written` holds each field's value by mnemonic.
    void begin(const QVector<FormField> &fields, const QMap<QByteArray, QString> &written);
    // The restart wait is over and the first re-read has started.
    void startRereading();
    // The pump answered the read that is going on.
    void noteAnswer();
    // A read is over, complete or not.
    void judgeRead();
    // The technician moved on: nothing more is asked or compared.
    void cancel();
    bool isActive() const { return state != State::Idle; }
    bool isRetrying() const { return state == State::Rereading && attempt > 1; }

signals:
    // Ask the pump once more (the number counts the re-read after the wait as 1).
    void rereadWanted(int attempt);
    void pumpAnswered();
    void pumpSilent();
    void settingsConfirmed();
    void settingsDiffer(QVector<SettingDifference> differences);

private:
    enum class State { Idle, Waiting, Rereading, Answered };

    void tryAgain();
    void compareWithWritten();

    const SettingsWatch *watch;
    QVector<FormField> fields;
    QMap<QByteArray, QString> written;
    State state = State::Idle;
    int attempt = 0;
    bool askedForGaps = false;
    QTimer retryTimer;
};

#endif // RESTARTCHECK_H
