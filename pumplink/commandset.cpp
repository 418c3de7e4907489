#include "commandset.h"

#include "pumplog.h"
#include "pumpmanager.h"
#include "pumpprotocol.h"

namespace CommandSet {

namespace {

using Field = QString PUMP_MODEL_T::*;
using Signal = void (PumpManager::*)(QString);

// ---- The one place where the three programs differ: their profile, and their
// record fields and signals in the order of the profile's settings ----
#if PUMP_PROGRAM == PUMP_KEY_TOOL
const ProgramProfile &programProfile = ProgramProfile::key();
const QVector<Field> programFields = {
    &PUMP_MODEL_T::nk1, &PUMP_MODEL_T::nk2, &PUMP_MODEL_T::nk3,
    &PUMP_MODEL_T::nk4, &PUMP_MODEL_T::nk5,
};
// Keys are never read back: no setting has a signal.
const QVector<Signal> programSignals;
#else
const QVector<Field> ipFields = {
    &PUMP_MODEL_T::am, &PUMP_MODEL_T::ip,   &PUMP_MODEL_T::sm,
    &PUMP_MODEL_T::dg, &PUMP_MODEL_T::dns1, &PUMP_MODEL_T::dns2,
};
const QVector<Signal> ipSignals = {
    &PumpManager::amAvailable, &PumpManager::ipAvailable,   &PumpManager::smAvailable,
    &PumpManager::dgAvailable, &PumpManager::dns1Available, &PumpManager::dns2Available,
};
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
const ProgramProfile &programProfile = ProgramProfile::network();
const QVector<Field> programFields = ipFields
    + QVector<Field> { &PUMP_MODEL_T::tt, &PUMP_MODEL_T::uh, &PUMP_MODEL_T::um, &PUMP_MODEL_T::cm,
                       &PUMP_MODEL_T::bt, &PUMP_MODEL_T::tn, &PUMP_MODEL_T::pa };
const QVector<Signal> programSignals
    = ipSignals + QVector<Signal> { &PumpManager::ttAvailable, &PumpManager::uhAvailable,
                                    &PumpManager::umAvailable, &PumpManager::cmAvailable,
                                    &PumpManager::btAvailable, &PumpManager::tnAvailable,
                                    &PumpManager::paAvailable };
#elif PUMP_PROGRAM == PUMP_IP_TOOL
const ProgramProfile &programProfile = ProgramProfile::ip();
const QVector<Field> programFields = ipFields;
const QVector<Signal> programSignals = ipSignals;
#else
#error "Unknown PUMP_PROGRAM"
#endif
#endif
// ---- End of the program-specific part ----

QVector<Setting> boundSettings()
{
    QVector<Setting> bound;
    const QVector<SettingSpec> &specs = programProfile.settings();
    for (int i = 0; i < specs.size(); ++i)
        bound.append({ specs.at(i).mnemonic.constData(), programFields.at(i) });
    return bound;
}

// The identity first, then every reply the profile knows, in the profile's order.
QVector<ReplyRoute> boundRoutes()
{
    QVector<ReplyRoute> routes { { PumpProtocol::identityMnemonic, &PumpManager::idAvailable } };
    const QVector<SettingSpec> &specs = programProfile.settings();
    for (int i = 0; i < programSignals.size(); ++i)
        routes.append({ specs.at(i).mnemonic.constData(), programSignals.at(i) });
    for (const QByteArray &quiet : programProfile.quietReplies())
        routes.append({ quiet.constData(), nullptr });
    return routes;
}

} // namespace

const ProgramProfile &profile() { return programProfile; }

const QVector<Setting> &settings()
{
    static const QVector<Setting> bound = boundSettings();
    return bound;
}

const QVector<ReplyRoute> &replyRoutes()
{
    static const QVector<ReplyRoute> routes = boundRoutes();
    return routes;
}

bool readsSettings() { return programProfile.readsSettings(); }

bool pausesAfterLastQuery() { return programProfile.pausesAfterLastQuery(); }

QVector<QByteArray> queryFrames() { return programProfile.queryFrames(); }

QVector<QByteArray> writeFrames(const PUMP_MODEL_T &pump)
{
    QStringList values;
    for (const Field field : programFields)
        values.append(pump.*field);
    return programProfile.writeFrames(values);
}

const ReplyRoute *findRoute(const QByteArray &mnemonic)
{
    for (const ReplyRoute &route : replyRoutes()) {
        if (mnemonic == route.mnemonic)
            return &route;
    }
    return nullptr;
}

void deliverReply(PumpManager &manager, const QByteArray &line)
{
    if (!PumpProtocol::isReply(line))
        return;
    const PumpProtocol::Reply reply = PumpProtocol::splitReply(line);
    const QString mnemonic = QString::fromUtf8(reply.mnemonic);
    if (!reply.hasValue) {
        managerLog("parsePumpResponse") << "[Error] Reply without value:" << mnemonic;
        return;
    }
    const QString value = QString::fromUtf8(reply.value);
    managerLog("parsePumpResponse") << "Command:" << mnemonic << "Value: " << value;
    const ReplyRoute *route = findRoute(reply.mnemonic);
    if (!route) {
        managerLog("parsePumpResponse") << "[Error] Unknown Response:" << mnemonic;
        return;
    }
    if (route->signal)
        emit(manager.*route->signal)(value);
}

} // namespace CommandSet
