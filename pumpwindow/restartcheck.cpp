#include "restartcheck.h"

#include "settingswatch.h"
#include "settingvalue.h"
#include "windowlog.h"

namespace {

constexpr int retryIntervalMs = 3000;
constexpr int retryPeriodMs = 30000;
// The re-read at the end of the wait, then one every interval of the period.
constexpr int lastAttempt = 1 + retryPeriodMs / retryIntervalMs;

// The fields that show another value than `writtenValues` holds for them.
QVector<SettingDifference> differences(const QVector<FormField> &formFields,
                                       const QMap<QByteArray, QString> &writtenValues)
{
    QVector<SettingDifference> found;
    for (const FormField &field : formFields) {
        const QByteArray mnemonic = field.mnemonic();
        if (!writtenValues.contains(mnemonic))
            continue;
        const QString written = writtenValues.value(mnemonic);
        const QString held = fieldValue(field);
        if (!SettingValue::holds(*field.setting, written, held, SettingValue::Held::OnForm))
            found.append({ field, written, held });
    }
    return found;
}

} // namespace

RestartCheck::RestartCheck(const SettingsWatch *settingsWatch, QObject *parent)
    : QObject(parent)
    , watch(settingsWatch)
{
    retryTimer.setObjectName(QStringLiteral("rereadRetryTimer"));
    retryTimer.setParent(this);
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(retryIntervalMs);
    connect(&retryTimer, &QTimer::timeout, this, &RestartCheck::tryAgain);
}

void RestartCheck::begin(const QVector<FormField> &formFields,
                         const QMap<QByteArray, QString> &writtenValues)
{
    fields = formFields;
    written = writtenValues;
    state = State::Waiting;
    attempt = 0;
    askedForGaps = false;
    retryTimer.stop();
}

void RestartCheck::cancel()
{
    state = State::Idle;
    retryTimer.stop();
}

void RestartCheck::startRereading()
{
    if (state != State::Waiting)
        return;
    state = State::Rereading;
    attempt = 1;
    // Over a serial line the read is done by now, its answers already taken.
    if (watch->hasAnswers()) {
        noteAnswer();
        if (!watch->isReading())
            judgeRead();
        return;
    }
    retryTimer.start();
}

void RestartCheck::tryAgain()
{
    if (state != State::Rereading)
        return;
    if (attempt >= lastAttempt) {
        state = State::Idle;
        windowLog("tryAgain") << "No answer after" << attempt << "reads";
        emit pumpSilent();
        return;
    }
    ++attempt;
    windowLog("tryAgain") << "Read" << attempt << "of" << lastAttempt;
    retryTimer.start();
    emit rereadWanted(attempt);
}

void RestartCheck::judgeRead()
{
    if (state != State::Answered)
        return;
    // A pump that woke up halfway through a read missed its first queries: it is
    // asked once more before its settings are judged.
    if (!watch->missing().isEmpty() && !askedForGaps) {
        askedForGaps = true;
        state = State::Rereading;
        ++attempt;
        windowLog("judgeRead") << "Read" << attempt << "for the settings missing";
        retryTimer.start();
        emit rereadWanted(attempt);
        return;
    }
    compareWithWritten();
}

void RestartCheck::noteAnswer()
{
    if (state != State::Rereading)
        return;
    state = State::Answered;
    retryTimer.stop();
    emit pumpAnswered();
}

void RestartCheck::compareWithWritten()
{
    state = State::Idle;
    // Only what arrived can be compared; the rest is shaded as unknown.
    QVector<FormField> reported;
    const QVector<FormField> notArrived = watch->missing();
    for (const FormField &field : qAsConst(fields)) {
        bool arrived = true;
        for (const FormField &missingField : notArrived)
            arrived = arrived && missingField.editor != field.editor;
        if (arrived)
            reported.append(field);
    }
    const QVector<SettingDifference> found = differences(reported, written);
    if (!found.isEmpty()) {
        QDebug line = windowLog("compareWithWritten");
        line << "Held differently:";
        for (const SettingDifference &difference : found)
            line << QString::fromLatin1(difference.field.mnemonic());
        emit settingsDiffer(found);
    } else if (notArrived.isEmpty()) {
        windowLog("compareWithWritten") << "Every setting as written.";
        emit settingsConfirmed();
    }
}
