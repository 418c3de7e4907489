#include "pumpstate.h"

#include "programprofile.h"

namespace {

bool isLoopbackIpv4(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol && address.isLoopback();
}

} // namespace

PumpState::PumpState(const SimulatedPumpConfig &config)
    : pumpConfig(config)
{ }

bool PumpState::answerFor(const PumpProtocol::Command &command, QByteArray *value)
{
    if (command.kind == PumpProtocol::Command::Set) {
        pending.insert(command.mnemonic, command.value);
        *value = command.value;
    } else if (command.mnemonic == PumpProtocol::identityMnemonic) {
        *value = identity();
    } else if (pumpConfig.settings.contains(command.mnemonic)
               && !pumpConfig.mutedQueries.contains(command.mnemonic)) {
        *value = pumpConfig.settings.value(command.mnemonic);
    } else {
        return false;
    }
    return true;
}

QByteArray PumpState::identity() const
{
    if (!pumpConfig.identityOverride.isEmpty())
        return pumpConfig.identityOverride;
    const QByteArray name = pumpConfig.name.toUtf8();
    const QByteArray address = pumpConfig.address.toString().toLatin1();
    if (pumpConfig.identityForm == IdentityForm::BrandWordAndAt)
        return "BRAND " + name + " AT " + address + " FW 2.4";
    return name + " @ " + address + " FW 2.4";
}

void PumpState::save()
{
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        pumpConfig.settings.insert(it.key(), pumpConfig.storesInstead.value(it.key(), it.value()));
    pending.clear();
    restarting = true;
}

QHostAddress PumpState::finishRestart()
{
    restarting = false;
    // The pump moves as the network programs expect it to, by their settings' roles.
    const ProgramProfile &network = ProgramProfile::network();
    const QByteArray assignment
        = pumpConfig.settings.value(network.mnemonicOf(SettingRole::Assignment));
    if (assignment.toUpper() != "STATIC")
        return QHostAddress();
    const QByteArray address = pumpConfig.settings.value(network.mnemonicOf(SettingRole::Address));
    const QHostAddress wanted(QString::fromLatin1(address.trimmed()));
    // Only loopback: the simulator must never claim an address of a real network.
    if (!isLoopbackIpv4(wanted) || wanted.isEqual(pumpConfig.address))
        return QHostAddress();
    return wanted;
}
