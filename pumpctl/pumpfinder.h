#ifndef PUMPFINDER_H
#define PUMPFINDER_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVector>

class FleetLink;

// A pump that answered a search, as the windows list it.
struct AnsweringPump
{
    QString where; // where the link reaches it: its address, or the serial port
    QString name;
    QString address;
};

// One search, heard out for a fixed time, its answers cut as the windows cut them;
// a pump that answers twice is listed once.
class PumpFinder : public QObject
{
    Q_OBJECT

public:
    PumpFinder(FleetLink *link, int waitMs, QObject *parent = nullptr);

    // Ends early once every pump in `wanted` (names or addresses) has answered.
    void search(const QStringList &wanted = QStringList());
    const QVector<AnsweringPump> &pumps() const { return found; }
    // The pump a plan names by name or address, or null.
    const AnsweringPump *find(const QString &pump) const;

signals:
    void finished();

private slots:
    void takeIdentity(const QString &where, const QByteArray &text);

private:
    FleetLink *link;
    QTimer wait;
    QVector<AnsweringPump> found;
    // Every pump found by its name and by its address, as pumpKey gives them.
    QHash<QString, int> foundByKey;
    QSet<QString> missing;
    bool listening = false;
};

#endif // PUMPFINDER_H
