#include "commandset.h"

#include "pumplog.h"
#include "pumpmanager.h"
#include "pumpprotocol.h"

#include <cstring>

namespace CommandSet {

// ---- The one place where the three programs differ in what they say to a pump ----
namespace {

#if PUMP_PROGRAM == PUMP_KEY_TOOL
constexpr bool programReadsSettings = false;
constexpr bool programPausesAfterLastQuery = false;
#else
constexpr bool programReadsSettings = true;
// The IP tool's pump needs the pause after its sixth answer as well.
constexpr bool programPausesAfterLastQuery = PUMP_PROGRAM == PUMP_IP_TOOL;

// The six IP settings open the table of both network programs.
const QVector<Setting> ipSettings = {
    { "NAM", &PUMP_MODEL_T::am }, { "NIP", &PUMP_MODEL_T::ip },   { "NSM", &PUMP_MODEL_T::sm },
    { "NDG", &PUMP_MODEL_T::dg }, { "ND1", &PUMP_MODEL_T::dns1 }, { "ND2", &PUMP_MODEL_T::dns2 },
};
const QVector<ReplyRoute> ipReplies = {
    { "NID", &PumpManager::idAvailable },   { "NAM", &PumpManager::amAvailable },
    { "NIP", &PumpManager::ipAvailable },   { "NSM", &PumpManager::smAvailable },
    { "NDG", &PumpManager::dgAvailable },   { "ND1", &PumpManager::dns1Available },
    { "ND2", &PumpManager::dns2Available },
};
#endif

#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
const QVector<Setting> programSettings = ipSettings
    + QVector<Setting> {
          { "NTT", &PUMP_MODEL_T::tt }, { "NUH", &PUMP_MODEL_T::uh }, { "NUM", &PUMP_MODEL_T::um },
          { "NCM", &PUMP_MODEL_T::cm }, { "NBT", &PUMP_MODEL_T::bt }, { "NTN", &PUMP_MODEL_T::tn },
          { "NPA", &PUMP_MODEL_T::pa },
      };
const QVector<ReplyRoute> programReplies = ipReplies
    + QVector<ReplyRoute> {
          { "NTT", &PumpManager::ttAvailable },
          { "NUH", &PumpManager::uhAvailable },
          { "NUM", &PumpManager::umAvailable },
          // The pump volunteers "NUO"; this program has no use for it and drops it quietly.
          { "NUO", nullptr },
          { "NCM", &PumpManager::cmAvailable },
          { "NBT", &PumpManager::btAvailable },
          { "NTN", &PumpManager::tnAvailable },
          { "NPA", &PumpManager::paAvailable },
      };
#elif PUMP_PROGRAM == PUMP_IP_TOOL
const QVector<Setting> programSettings = ipSettings;
const QVector<ReplyRoute> programReplies = ipReplies;
#elif PUMP_PROGRAM == PUMP_KEY_TOOL
const QVector<Setting> programSettings = {
    { "NK1", &PUMP_MODEL_T::nk1 }, { "NK2", &PUMP_MODEL_T::nk2 }, { "NK3", &PUMP_MODEL_T::nk3 },
    { "NK4", &PUMP_MODEL_T::nk4 }, { "NK5", &PUMP_MODEL_T::nk5 },
};
const QVector<ReplyRoute> programReplies = {
    { "NID", &PumpManager::idAvailable },
};
#else
#error "Unknown PUMP_PROGRAM"
#endif

} // namespace
// ---- End of the program-specific tables ----

const QVector<Setting> &settings() { return programSettings; }

const QVector<ReplyRoute> &replyRoutes() { return programReplies; }

bool readsSettings() { return programReadsSettings; }

bool pausesAfterLastQuery() { return programPausesAfterLastQuery; }

QVector<QByteArray> queryFrames()
{
    QVector<QByteArray> frames;
    if (!readsSettings())
        return frames;
    for (const Setting &setting : settings())
        frames.append(PumpProtocol::queryFrame(setting.mnemonic));
    return frames;
}

QVector<QByteArray> writeFrames(const PUMP_MODEL_T &pump)
{
    QVector<QByteArray> frames;
    for (const Setting &setting : settings())
        frames.append(PumpProtocol::setFrame(setting.mnemonic, pump.*setting.field));
    frames.append(PumpProtocol::saveFrame());
    return frames;
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
