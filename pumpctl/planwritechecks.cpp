#include "planwrite.h"

#include "ipv4address.h"
#include "programprofile.h"
#include "settingvalue.h"

#include <QHash>

// What PlanWrite checks before anything is sent: that every pump of the plan answered
// the search, each once; what the pumps hold for the settings the plan keeps; and
// that no two pumps end up at one address.

void PlanWrite::resolvePumps()
{
    QHash<QString, int> lineOfPump;
    for (int i = 0; i < pumps.size(); ++i) {
        const PlannedPump &planned = plan->pumps().at(i);
        const FoundPump *found = directory.find(planned.pump);
        if (!found) {
            plan->addProblem(
                { planned.line, planned.pumpColumn,
                  QStringLiteral("pump \"%1\" did not answer the search").arg(planned.pump) });
            continue;
        }
        pumps[i].where = found->where;
        if (lineOfPump.contains(pumps[i].where)) {
            plan->addProblem({ planned.line, planned.pumpColumn,
                               QStringLiteral("pump \"%1\" is the pump of line %2")
                                   .arg(planned.pump)
                                   .arg(lineOfPump.value(pumps[i].where)) });
        }
        lineOfPump.insert(pumps[i].where, planned.line);
    }
    // What the plan itself gives is checked before any pump is even read.
    checkNewAddresses();
    if (stopForProblems())
        return;
    readFirst();
}

void PlanWrite::keepWhatPumpsHold()
{
    for (PumpWork &pump : pumps) {
        const PlannedPump &planned = plan->pumps().at(pump.planIndex);
        for (int k = 0; k < pump.values.size(); ++k) {
            if (!pump.values.at(k).isNull())
                continue;
            const SettingDescription &setting = profile.settings().at(k);
            const int column = planned.columns.at(k) ? planned.columns.at(k) : planned.pumpColumn;
            const QString name = QString::fromLatin1(setting.mnemonic);
            QString kept;
            if (!pump.heard.value(k)) {
                plan->addProblem({ planned.line, column,
                                   QStringLiteral("pump \"%1\" did not report %2, which the plan "
                                                  "keeps as it is")
                                       .arg(planned.pump, name) });
            } else if (!SettingValue::keepReported(setting, pump.reported.at(k), &kept)) {
                plan->addProblem(
                    { planned.line, column,
                      QStringLiteral("pump \"%1\" holds %2 \"%3\", which no window "
                                     "would send back")
                          .arg(planned.pump, name, WriteResult::printable(pump.reported.at(k))) });
            } else {
                pump.values[k] = kept;
            }
        }
    }
    checkNewAddresses();
    if (stopForProblems())
        return;
    if (options.dryRun) {
        printFrames();
        finish(0);
        return;
    }
    writeAll();
}

// Two pumps sent to one address could not both be verified, nor both work.
void PlanWrite::checkNewAddresses()
{
    QHash<QString, int> lineOfAddress;
    for (const PumpWork &pump : qAsConst(pumps)) {
        const QString address = verifyAddress(pump);
        if (address.isEmpty())
            continue;
        const PlannedPump &planned = plan->pumps().at(pump.planIndex);
        if (lineOfAddress.contains(address)) {
            const int nip = profile.indexOf("NIP");
            plan->addProblem({ planned.line,
                               nip >= 0 && planned.columns.at(nip) ? planned.columns.at(nip)
                                                                   : planned.pumpColumn,
                               QStringLiteral("pump \"%1\" would be at %2 after its restart, like "
                                              "the pump of line %3")
                                   .arg(planned.pump, address)
                                   .arg(lineOfAddress.value(address)) });
        }
        lineOfAddress.insert(address, planned.line);
    }
}

// After its restart a pump given a static address is there; any other stays where
// it was found, as far as anyone can tell from here.
QString PlanWrite::verifyAddress(const PumpWork &pump) const
{
    const int assignment = profile.indexOf("NAM");
    const int address = profile.indexOf("NIP");
    if (options.serial || assignment < 0 || address < 0
        || pump.values.value(assignment) != QLatin1String("Static"))
        return pump.where;
    const QString planned = canonicalIPv4(pump.values.value(address));
    return planned.isNull() ? pump.where : planned;
}
