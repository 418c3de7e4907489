#include "programprofile.h"

#include "pumpprotocol.h"

namespace {

SettingDescription assignment(const char *mnemonic)
{
    return { mnemonic, SettingKind::Assignment, 0, false };
}
SettingDescription address(const char *mnemonic)
{
    return { mnemonic, SettingKind::Address, 0, false };
}
SettingDescription digits(const char *mnemonic, int maxDigits, bool mayBeSigned = false)
{
    return { mnemonic, SettingKind::Digits, maxDigits, mayBeSigned };
}
SettingDescription onOff(const char *mnemonic)
{
    return { mnemonic, SettingKind::Switch, 0, false };
}
SettingDescription secret(const char *mnemonic) { return { mnemonic, SettingKind::Key, 0, false }; }

// The six IP settings open the table of both network programs.
QVector<SettingDescription> ipSettings()
{
    return { assignment("NAM"), address("NIP"), address("NSM"),
             address("NDG"),    address("ND1"), address("ND2") };
}

} // namespace

ProgramProfile::ProgramProfile(QString name, QVector<SettingDescription> settings, bool reads,
                               bool pauseAfterLast, QVector<QByteArray> quietReplies)
    : profileName(std::move(name))
    , settingDescriptions(std::move(settings))
    , reads(reads)
    , pauseAfterLast(pauseAfterLast)
    , quietMnemonics(std::move(quietReplies))
{ }

const ProgramProfile &ProgramProfile::network()
{
    // The masks of the form: time-out "999", UTC hours "#99", minutes "99",
    // PROFIBUS address "999". The pump volunteers "NUO", which this program drops.
    static const ProgramProfile profile(
        QStringLiteral("network"),
        ipSettings()
            + QVector<SettingDescription> { digits("NTT", 3), digits("NUH", 2, true),
                                            digits("NUM", 2), onOff("NCM"), onOff("NBT"),
                                            onOff("NTN"), digits("NPA", 3) },
        true, false, { "NUO" });
    return profile;
}

const ProgramProfile &ProgramProfile::ip()
{
    static const ProgramProfile profile(QStringLiteral("ip"), ipSettings(), true, true, {});
    return profile;
}

const ProgramProfile &ProgramProfile::key()
{
    static const ProgramProfile profile(
        QStringLiteral("key"),
        { secret("NK1"), secret("NK2"), secret("NK3"), secret("NK4"), secret("NK5") }, false, false,
        {});
    return profile;
}

const ProgramProfile *ProgramProfile::byName(const QString &name)
{
    for (const ProgramProfile *profile : { &network(), &ip(), &key() }) {
        if (profile->name() == name)
            return profile;
    }
    return nullptr;
}

int ProgramProfile::indexOf(const QByteArray &mnemonic) const
{
    for (int i = 0; i < settingDescriptions.size(); ++i) {
        if (settingDescriptions.at(i).mnemonic == mnemonic)
            return i;
    }
    return -1;
}

ProgramProfile::ReplyKind ProgramProfile::classifyReply(const QByteArray &mnemonic,
                                                        int *settingIndex) const
{
    if (mnemonic == PumpProtocol::identityMnemonic)
        return ReplyKind::Identity;
    // Keys are never read back, so a write-only program knows no setting replies.
    const int index = reads ? indexOf(mnemonic) : -1;
    if (index >= 0) {
        if (settingIndex)
            *settingIndex = index;
        return ReplyKind::Setting;
    }
    if (quietMnemonics.contains(mnemonic))
        return ReplyKind::Quiet;
    return ReplyKind::Unknown;
}

int ProgramProfile::pauseAfterFrameMs(int index, int count, bool isWrite) const
{
    const bool last = index + 1 >= count;
    if (last && (isWrite || !pauseAfterLast))
        return 0;
    return PumpProtocol::framePauseMs;
}

bool ProgramProfile::routeReply(const QByteArray &raw, RoutedReply *routed) const
{
    const QByteArray line = PumpProtocol::upperCased(raw);
    if (!PumpProtocol::isReply(line))
        return false;
    routed->reply = PumpProtocol::splitReply(line);
    routed->settingIndex = -1;
    routed->kind = classifyReply(routed->reply.mnemonic, &routed->settingIndex);
    return true;
}

QVector<QByteArray> ProgramProfile::queryFrames() const
{
    QVector<QByteArray> frames;
    if (!reads)
        return frames;
    for (const SettingDescription &setting : settingDescriptions)
        frames.append(PumpProtocol::queryFrame(setting.mnemonic.constData()));
    return frames;
}

QVector<QByteArray> ProgramProfile::writeFrames(const QStringList &values) const
{
    QVector<QByteArray> frames;
    for (int i = 0; i < settingDescriptions.size(); ++i)
        frames.append(PumpProtocol::setFrame(settingDescriptions.at(i).mnemonic.constData(),
                                             values.value(i)));
    frames.append(PumpProtocol::saveFrame());
    return frames;
}
