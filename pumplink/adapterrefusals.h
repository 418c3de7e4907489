#ifndef ADAPTERREFUSALS_H
#define ADAPTERREFUSALS_H

#include <QObject>
#include <QString>

// Where the windows' manager tells that the system refused to reach a pump through
// the adapter it answered on. Kept apart from the manager, whose signals and slots
// are the windows' fixed interface.
class AdapterRefusals : public QObject
{
    Q_OBJECT

signals:
    // The pump at `address` is asked wherever the routing table leads instead;
    // `reason` says why the system refused and what allows it.
    void refused(QString adapter, QString address, QString network, QString reason);
};

#endif // ADAPTERREFUSALS_H
