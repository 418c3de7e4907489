#include "programprofile.h"

#include "pumpprotocol.h"

namespace {

SettingDescription assignment(const char *mnemonic, const char *title)
{
    return { mnemonic, SettingKind::Assignment, title, SettingRole::Assignment, 0, false };
}
SettingDescription address(const char *mnemonic, const char *title,
                           SettingRole role = SettingRole::Plain)
{
    return { mnemonic, SettingKind::Address, title, role, 0, false };
}
SettingDescription digits(const char *mnemonic, const char *title, int maxDigits,
                          bool mayBeSigned = false)
{
    return { mnemonic, SettingKind::Digits, title, SettingRole::Plain, maxDigits, mayBeSigned };
}
SettingDescription onOff(const char *mnemonic, const char *title)
{
    return { mnemonic, SettingKind::Switch, title, SettingRole::Plain, 0, false };
}
SettingDescription secret(const char *mnemonic, const char *title)
{
    return { mnemonic, SettingKind::Key, title, SettingRole::Plain, 0, false };
}

// The six IP settings open the table of both network programs. Each title is marked
// where it is written, in the context "SettingTitle" in which a window translates it.
QVector<SettingDescription> ipSettings()
{
    return { assignment("NAM", QT_TRANSLATE_NOOP("SettingTitle", "IP Assignment")),
             address("NIP", QT_TRANSLATE_NOOP("SettingTitle", "IPv4 Address"),
                     SettingRole::Address),
             address("NSM", QT_TRANSLATE_NOOP("SettingTitle", "Subnet Mask")),
             address("NDG", QT_TRANSLATE_NOOP("SettingTitle", "Default Gateway")),
             address("ND1", QT_TRANSLATE_NOOP("SettingTitle", "DNS Server 1")),
             address("ND2", QT_TRANSLATE_NOOP("SettingTitle", "DNS Server 2")) };
}

} // namespace

ProgramProfile::ProgramProfile(QString name, QVector<SettingDescription> settings, Conduct conduct)
    : profileName(std::move(name))
    , settingDescriptions(std::move(settings))
    , conduct(std::move(conduct))
{ }

const ProgramProfile &ProgramProfile::network()
{
    // The masks of the form: time-out "999", UTC hours "#99", minutes "99",
    // PROFIBUS address "999". The pump volunteers "NUO", which this program drops.
    static const ProgramProfile profile = [] {
        Conduct conduct;
        conduct.quietReplies = { "NUO" };
        return ProgramProfile(
            QStringLiteral("network"),
            ipSettings()
                + QVector<SettingDescription> {
                    digits("NTT", QT_TRANSLATE_NOOP("SettingTitle", "TCP Timeout"), 3),
                    digits("NUH", QT_TRANSLATE_NOOP("SettingTitle", "UTC Offset hours"), 2, true),
                    digits("NUM", QT_TRANSLATE_NOOP("SettingTitle", "UTC Offset minutes"), 2),
                    onOff("NCM", QT_TRANSLATE_NOOP("SettingTitle", "Cloud Monitor")),
                    onOff("NBT", QT_TRANSLATE_NOOP("SettingTitle", "Bluetooth")),
                    onOff("NTN", QT_TRANSLATE_NOOP("SettingTitle", "Telnet")),
                    digits("NPA", QT_TRANSLATE_NOOP("SettingTitle", "PROFIBUS Address"), 3),
                },
            conduct);
    }();
    return profile;
}

const ProgramProfile &ProgramProfile::ip()
{
    static const ProgramProfile profile = [] {
        Conduct conduct;
        conduct.pausesAfterLastQuery = true;
        return ProgramProfile(QStringLiteral("ip"), ipSettings(), conduct);
    }();
    return profile;
}

const ProgramProfile &ProgramProfile::key()
{
    static const ProgramProfile profile = [] {
        Conduct conduct;
        conduct.readsSettings = false;
        return ProgramProfile(QStringLiteral("key"),
                              { secret("NK1", QT_TRANSLATE_NOOP("SettingTitle", "Key 1")),
                                secret("NK2", QT_TRANSLATE_NOOP("SettingTitle", "Key 2")),
                                secret("NK3", QT_TRANSLATE_NOOP("SettingTitle", "Key 3")),
                                secret("NK4", QT_TRANSLATE_NOOP("SettingTitle", "Key 4")),
                                secret("NK5", QT_TRANSLATE_NOOP("SettingTitle", "Key 5")) },
                              conduct);
    }();
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

int ProgramProfile::indexOf(SettingRole role) const
{
    for (int i = 0; i < settingDescriptions.size(); ++i) {
        if (settingDescriptions.at(i).role == role)
            return i;
    }
    return -1;
}

QByteArray ProgramProfile::mnemonicOf(SettingRole role) const
{
    const int index = indexOf(role);
    return index >= 0 ? settingDescriptions.at(index).mnemonic : QByteArray();
}

ProgramProfile::ReplyKind ProgramProfile::classifyReply(const QByteArray &mnemonic,
                                                        int *settingIndex) const
{
    if (mnemonic == PumpProtocol::identityMnemonic)
        return ReplyKind::Identity;
    // Keys are never read back, so a write-only program knows no setting replies.
    const int index = conduct.readsSettings ? indexOf(mnemonic) : -1;
    if (index >= 0) {
        if (settingIndex)
            *settingIndex = index;
        return ReplyKind::Setting;
    }
    if (conduct.quietReplies.contains(mnemonic))
        return ReplyKind::Quiet;
    return ReplyKind::Unknown;
}

int ProgramProfile::pauseAfterFrameMs(int index, int count, bool isWrite) const
{
    const bool last = index + 1 >= count;
    if (last && (isWrite || !conduct.pausesAfterLastQuery))
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
    if (!conduct.readsSettings)
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
