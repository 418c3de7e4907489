#ifndef PUMPREQUEST_H
#define PUMPREQUEST_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>

class FleetLink;

// One read or write of one pump on a FleetLink, as a QNetworkReply is one request of
// a QNetworkAccessManager: its signals concern this pump and this sequence alone.
// The caller owns it and deletes it (deleteLater) once it has heard enough.
//
// A read hears its pump's answers from its first frame until the pump's next read
// starts, so that answers arriving after its last
// query has left still reach it (the link itself drops a pump's answers while it is
// being written).
class PumpRequest : public QObject
{
    Q_OBJECT

public:
    QString where() const { return pump; }
    bool isWrite() const { return writes; }
    // The sequence's last frame has left, or it was dropped without a frame.
    bool isFinished() const { return over; }

signals:
    // The pump's answer to one of the profile's settings (reads only).
    void settingReceived(int settingIndex, const QString &value);
    // The sequence's last frame has left (for a write: the save frame). `started` is
    // false when it never sent a frame (see FleetLink::sequenceFinished).
    void finished(bool started);

private:
    friend class PumpRequestRouter;
    PumpRequest(const QString &where, bool isWrite, QObject *parent);

    QString pump;
    bool writes = false;
    bool over = false;
};

// Hands the link's shared signals to the request they concern: a sequence's end to
// the oldest unfinished request of its pump (the link runs a pump's sequences in
// order), an answer to the pump's read that runs or ran last.
class PumpRequestRouter : public QObject
{
    Q_OBJECT

public:
    explicit PumpRequestRouter(FleetLink &link);

    // A request for the sequence just queued for the pump the link names `where`.
    PumpRequest *add(const QString &where, bool isWrite, QObject *parent);

private:
    void takeSetting(const QString &where, int settingIndex, const QString &value);
    void takeStarted(const QString &where);
    void takeFinished(const QString &where, bool started);

    struct Lane
    {
        std::deque<QPointer<PumpRequest>> pending;
        QPointer<PumpRequest> listener;
    };
    QHash<QString, Lane> lanes;
};

#endif // PUMPREQUEST_H
