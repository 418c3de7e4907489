#ifndef COMMANDSET_H
#define COMMANDSET_H

#include "pumpmodel.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class PumpManager;

// What one program of the family says to a pump and how it hears the answers.
// The tables are data; the manager and the worker read them and nothing else
// differs between the programs' pump links.
namespace CommandSet {

struct Setting
{
    const char *mnemonic;
    QString PUMP_MODEL_T::*field;
};

// A reply whose signal is null is accepted and dropped without a word.
struct ReplyRoute
{
    const char *mnemonic;
    void (PumpManager::*signal)(QString);
};

// The settings in the order they are read and written.
const QVector<Setting> &settings();
const QVector<ReplyRoute> &replyRoutes();

// The connection-key tool only writes: selecting a pump reads nothing.
bool readsSettings();
// The IP tool's read pauses after its last query as well as between queries.
bool pausesAfterLastQuery();

// The read sequence: one query frame per setting, or none in a write-only program.
QVector<QByteArray> queryFrames();
// The write sequence: one set frame per setting from the record, then the save frame.
QVector<QByteArray> writeFrames(const PUMP_MODEL_T &pump);

// Returns the route for mnemonic, or nullptr when this program does not know it.
const ReplyRoute *findRoute(const QByteArray &mnemonic);

// Takes one complete, upper-cased reply line apart, logs it and raises the signal
// its mnemonic routes to on `manager`. Anything from the wire is welcome here:
// lines too short to carry a mnemonic are ignored, and a line without a value
// (an echoed query) is logged but blanks no setting.
void deliverReply(PumpManager &manager, const QByteArray &line);

} // namespace CommandSet

#endif // COMMANDSET_H
