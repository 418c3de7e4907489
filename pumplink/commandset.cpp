#include "commandset.h"

#include "pumpmanager.h"
#include "pumpprotocol.h"

#include <cstring>

namespace CommandSet {

// ---- The one place where the three programs differ in what they say to a pump ----
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL

const QVector<Setting> &settings()
{
    static const QVector<Setting> table = {
        { "NAM", &PUMP_MODEL_T::am },   { "NIP", &PUMP_MODEL_T::ip },
        { "NSM", &PUMP_MODEL_T::sm },   { "NDG", &PUMP_MODEL_T::dg },
        { "ND1", &PUMP_MODEL_T::dns1 }, { "ND2", &PUMP_MODEL_T::dns2 },
        { "NTT", &PUMP_MODEL_T::tt },   { "NUH", &PUMP_MODEL_T::uh },
        { "NUM", &PUMP_MODEL_T::um },   { "NCM", &PUMP_MODEL_T::cm },
        { "NBT", &PUMP_MODEL_T::bt },   { "NTN", &PUMP_MODEL_T::tn },
        { "NPA", &PUMP_MODEL_T::pa },
    };
    return table;
}

const QVector<ReplyRoute> &replyRoutes()
{
    static const QVector<ReplyRoute> table = {
        { "NID", &PumpManager::idAvailable },
        { "NAM", &PumpManager::amAvailable },
        { "NIP", &PumpManager::ipAvailable },
        { "NSM", &PumpManager::smAvailable },
        { "NDG", &PumpManager::dgAvailable },
        { "ND1", &PumpManager::dns1Available },
        { "ND2", &PumpManager::dns2Available },
        { "NTT", &PumpManager::ttAvailable },
        { "NUH", &PumpManager::uhAvailable },
        { "NUM", &PumpManager::umAvailable },
        { "NUO", nullptr },
        { "NCM", &PumpManager::cmAvailable },
        { "NBT", &PumpManager::btAvailable },
        { "NTN", &PumpManager::tnAvailable },
        { "NPA", &PumpManager::paAvailable },
    };
    return table;
}

bool readsSettings()
{
    return true;
}

bool pausesAfterLastQuery()
{
    return false;
}

#elif PUMP_PROGRAM == PUMP_IP_TOOL

const QVector<Setting> &settings()
{
    static const QVector<Setting> table = {
        { "NAM", &PUMP_MODEL_T::am },   { "NIP", &PUMP_MODEL_T::ip },
        { "NSM", &PUMP_MODEL_T::sm },   { "NDG", &PUMP_MODEL_T::dg },
        { "ND1", &PUMP_MODEL_T::dns1 }, { "ND2", &PUMP_MODEL_T::dns2 },
    };
    return table;
}

const QVector<ReplyRoute> &replyRoutes()
{
    static const QVector<ReplyRoute> table = {
        { "NID", &PumpManager::idAvailable },   { "NAM", &PumpManager::amAvailable },
        { "NIP", &PumpManager::ipAvailable },   { "NSM", &PumpManager::smAvailable },
        { "NDG", &PumpManager::dgAvailable },   { "ND1", &PumpManager::dns1Available },
        { "ND2", &PumpManager::dns2Available },
    };
    return table;
}

bool readsSettings()
{
    return true;
}

bool pausesAfterLastQuery()
{
    return true;
}

#elif PUMP_PROGRAM == PUMP_KEY_TOOL

const QVector<Setting> &settings()
{
    static const QVector<Setting> table = {
        { "NK1", &PUMP_MODEL_T::nk1 }, { "NK2", &PUMP_MODEL_T::nk2 }, { "NK3", &PUMP_MODEL_T::nk3 },
        { "NK4", &PUMP_MODEL_T::nk4 }, { "NK5", &PUMP_MODEL_T::nk5 },
    };
    return table;
}

const QVector<ReplyRoute> &replyRoutes()
{
    static const QVector<ReplyRoute> table = {
        { "NID", &PumpManager::idAvailable },
    };
    return table;
}

bool readsSettings()
{
    return false;
}

bool pausesAfterLastQuery()
{
    return false;
}

#else
#error "Unknown PUMP_PROGRAM"
#endif
// ---- End of the program-specific tables ----

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

} // namespace CommandSet
