#include "programbinding.h"

#include "pumplog.h"
#include "pumpmanager.h"

namespace ProgramBinding {

namespace {

using Field = QString PUMP_MODEL_T::*;

// One row per setting of the profile, in its order: the record field that holds it
// and the signal its reply raises.
struct Binding
{
    Field field;
    ReplySignal signal;
};

// A setting's record field and its manager signal share their name; the keys of the
// write-only program have no signal.
#define BIND(name)                                                                                 \
    Binding { &PUMP_MODEL_T::name, &PumpManager::name##Available }
#define WRITE_ONLY(name)                                                                           \
    Binding { &PUMP_MODEL_T::name, nullptr }

// ---- The one place where the three programs differ: their profile, and the record
// field and signal of each of its settings, in the profile's order ----
#if PUMP_PROGRAM == PUMP_KEY_TOOL
const ProgramProfile &programProfile = ProgramProfile::key();
const QVector<Binding> programBindings
    = { WRITE_ONLY(nk1), WRITE_ONLY(nk2), WRITE_ONLY(nk3), WRITE_ONLY(nk4), WRITE_ONLY(nk5) };
#else
const QVector<Binding> ipBindings
    = { BIND(am), BIND(ip), BIND(sm), BIND(dg), BIND(dns1), BIND(dns2) };
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
const ProgramProfile &programProfile = ProgramProfile::network();
const QVector<Binding> programBindings = ipBindings
    + QVector<Binding> { BIND(tt), BIND(uh), BIND(um), BIND(cm), BIND(bt), BIND(tn), BIND(pa) };
#elif PUMP_PROGRAM == PUMP_IP_TOOL
const ProgramProfile &programProfile = ProgramProfile::ip();
const QVector<Binding> programBindings = ipBindings;
#else
#error "Unknown PUMP_PROGRAM"
#endif
#endif
// ---- End of the program-specific part ----

QVector<Setting> boundSettings()
{
    Q_ASSERT(programBindings.size() == programProfile.settingCount());
    QVector<Setting> bound;
    const QVector<SettingDescription> &descriptions = programProfile.settings();
    for (int i = 0; i < descriptions.size(); ++i)
        bound.append({ descriptions.at(i).mnemonic.constData(), programBindings.at(i).field });
    return bound;
}

ReplySignal signalOf(ProgramProfile::ReplyKind kind, int settingIndex)
{
    if (kind == ProgramProfile::ReplyKind::Identity)
        return &PumpManager::idAvailable;
    if (kind == ProgramProfile::ReplyKind::Setting)
        return programBindings.at(settingIndex).signal;
    return nullptr;
}

} // namespace

const ProgramProfile &profile() { return programProfile; }

const QVector<Setting> &settings()
{
    static const QVector<Setting> bound = boundSettings();
    return bound;
}

bool readsSettings() { return programProfile.readsSettings(); }

QVector<QByteArray> queryFrames() { return programProfile.queryFrames(); }

QVector<QByteArray> writeFrames(const PUMP_MODEL_T &pump)
{
    QStringList values;
    for (const Binding &binding : programBindings)
        values.append(pump.*binding.field);
    return programProfile.writeFrames(values);
}

int pauseAfterFrameMs(int index, int count, bool isWrite)
{
    return programProfile.pauseAfterFrameMs(index, count, isWrite);
}

ReplySignal signalFor(const QByteArray &mnemonic)
{
    int settingIndex = -1;
    const ProgramProfile::ReplyKind kind = programProfile.classifyReply(mnemonic, &settingIndex);
    return signalOf(kind, settingIndex);
}

QVector<ReplySignal> replySignals()
{
    QVector<ReplySignal> all { &PumpManager::idAvailable };
    for (const Binding &binding : programBindings) {
        if (binding.signal)
            all.append(binding.signal);
    }
    return all;
}

void deliverReply(PumpManager &manager, const QByteArray &line)
{
    ProgramProfile::RoutedReply routed;
    if (!programProfile.routeReply(line, &routed))
        return;
    const QString mnemonic = QString::fromUtf8(routed.reply.mnemonic);
    if (!routed.reply.hasValue) {
        managerLog("parsePumpResponse") << "[Error] Reply without value:" << mnemonic;
        return;
    }
    const QString value = QString::fromUtf8(routed.reply.value);
    managerLog("parsePumpResponse") << "Command:" << mnemonic << "Value: " << value;
    if (routed.kind == ProgramProfile::ReplyKind::Unknown) {
        managerLog("parsePumpResponse") << "[Error] Unknown Response:" << mnemonic;
        return;
    }
    if (const ReplySignal signal = signalOf(routed.kind, routed.settingIndex))
        emit(manager.*signal)(value);
}

} // namespace ProgramBinding
