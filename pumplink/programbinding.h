#ifndef PROGRAMBINDING_H
#define PROGRAMBINDING_H

#include "programprofile.h"
#include "pumpmodel.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class PumpManager;

// Binds this program's profile to its record and to the manager's signals: the
// settings, their order, the frames and how each reply is routed are the profile's,
// shared with every other tool; only the record field and the signal of each setting
// are this program's own.
namespace ProgramBinding {

struct Setting
{
    const char *mnemonic;
    QString PUMP_MODEL_T::*field;
};

using ReplySignal = void (PumpManager::*)(QString);

// The profile of the program this link is built into; the window lays out its form
// from it.
const ProgramProfile &profile();
// The settings in the order they are read and written.
const QVector<Setting> &settings();

bool readsSettings();

// The read sequence: one query frame per setting, or none in a write-only program.
QVector<QByteArray> queryFrames();
// The write sequence: one set frame per setting from the record, then the save frame.
QVector<QByteArray> writeFrames(const PUMP_MODEL_T &pump);
// The pause the pump needs after frame `index` of an Ethernet sequence of `count`.
int pauseAfterFrameMs(int index, int count, bool isWrite);

// The next two exist for the reply fuzzer (fuzz/fuzz_replies.cpp) alone, which
// checks that deliverReply raises the one signal this table names and no other.
// The signal a reply with this upper-case mnemonic raises; null for a reply the
// program drops (one it does not know, or one the pump volunteers).
ReplySignal signalFor(const QByteArray &mnemonic);
// Every signal a reply can raise: the identity's, then the settings' in order.
QVector<ReplySignal> replySignals();

// Takes one reply line apart as the profile routes it, logs it and raises its
// signal on `manager`. Anything from the wire is welcome here: lines too short to
// carry a mnemonic are ignored, and a line without a value (an echoed query) is
// logged but blanks no setting.
void deliverReply(PumpManager &manager, const QByteArray &line);

} // namespace ProgramBinding

#endif // PROGRAMBINDING_H
