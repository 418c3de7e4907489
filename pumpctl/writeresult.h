#ifndef WRITERESULT_H
#define WRITERESULT_H

#include <QString>
#include <QStringList>
#include <QVector>

class ProgramProfile;

// What became of one pump of a write.
enum class PumpOutcome {
    Unknown,
    Confirmed,
    Differs, // reported a value other than the one written
    NotVerified, // left settings unanswered after every retry, differs in none
    Silent, // did not answer after its restart
    Sent, // keys, or not verified on request
    NotWritten, // interrupted before its write started
    VerifyInterrupted, // written, then interrupted before it was read again
};

// How a write is shown to the technician: the frames a dry run would send, and how
// a pump's reading differs from what it was sent. A key is never shown.
namespace WriteResult {

// The result line's text for a pump: "confirmed", "differs: <detail>", "not verified:
// <detail> did not answer" and so on.
QString status(PumpOutcome outcome, const QString &detail);

// The frames of one pump's write, one line each, STX and CR spelled out and key
// values shown as "[redacted]".
QStringList framesShown(const ProgramProfile &profile, const QString &pump,
                        const QStringList &values);

// Every setting whose answer shows another value than was sent, as
// "NIP wrote 10.0.0.5, pump holds 10.0.0.6", joined by "; "; empty when every answer
// shows what was sent. A setting not answered (null) differs in nothing known.
QString differences(const ProgramProfile &profile, const QStringList &sent,
                    const QStringList &reported);

// Text from a pump, with its control characters spelled out.
QString printable(const QString &text);

} // namespace WriteResult

#endif // WRITERESULT_H
