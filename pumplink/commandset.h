#ifndef COMMANDSET_H
#define COMMANDSET_H

#include "programprofile.h"
#include "pumpmodel.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class PumpManager;

// Binds this program's profile to its record and to the manager's signals: the
// settings, their order and the frames are the profile's, shared with every other
// tool; only the record fields and the signal names are this program's own.
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

// The profile of the program this pump link is built into.
const ProgramProfile &profile();

// The settings in the order they are read and written.
const QVector<Setting> &settings();
const QVector<ReplyRoute> &replyRoutes();

bool readsSettings();
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
