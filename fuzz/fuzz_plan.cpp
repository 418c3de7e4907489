// A plan file comes from a technician's spreadsheet, or from anywhere: whatever its
// bytes, reading it ends with a table or with problems, within the reader's bounds,
// and every value that survives the check is one a window would send.
//
// Input: byte 0 picks the profile (and whether empty keys are allowed); the rest is
// the file, read once streamed from a device and once from memory, which must agree.

#include "plan.h"
#include "planreader.h"
#include "programprofile.h"
#include "settingvalue.h"

#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

const ProgramProfile &profileFor(uint8_t choice)
{
    switch (choice % 3) {
    case 0:
        return ProgramProfile::network();
    case 1:
        return ProgramProfile::ip();
    default:
        return ProgramProfile::key();
    }
}

void requireWithinBounds(const PlanReader &reader)
{
    require(reader.rows().size() <= PlanReader::maximumRows + 1);
    require(reader.problems().size() <= PlanReader::maximumProblems + 1);
    for (const QVector<PlanCell> &row : reader.rows()) {
        require(!row.isEmpty() && row.size() <= PlanReader::maximumColumns);
        for (const PlanCell &cell : row) {
            require(cell.text.toUtf8().size() <= PlanReader::maximumCellBytes);
            require(cell.line >= 1 && cell.column >= 1);
            require(!cell.text.contains(QChar(0)));
        }
    }
}

void requireSendable(const Plan &plan, const ProgramProfile &profile)
{
    for (const PlannedPump &pump : plan.pumps()) {
        require(pump.values.size() == profile.settingCount());
        for (int i = 0; i < pump.values.size(); ++i) {
            const QString &value = pump.values.at(i);
            if (value.isNull())
                continue;
            const SettingDescription &setting = profile.settings().at(i);
            // The switches carry the window's own CR; nothing else may end a frame.
            const QString shown
                = setting.kind == SettingKind::Switch ? SettingValue::shown(setting, value) : value;
            require(!SettingValue::hasControlCharacter(shown));
            QString again;
            QString problem;
            require(SettingValue::admit(setting, shown, &again, &problem));
            require(again == value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const ProgramProfile &profile = profileFor(data[0]);
    const QByteArray file(reinterpret_cast<const char *>(data + 1), static_cast<int>(size - 1));

    PlanReader fromMemory;
    const bool readable = fromMemory.read(file);
    require(readable == fromMemory.problems().isEmpty());
    requireWithinBounds(fromMemory);

    QByteArray copy = file;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    PlanReader streamed;
    require(streamed.read(&device) == readable);
    require(streamed.rows().size() == fromMemory.rows().size());
    require(streamed.problems().size() == fromMemory.problems().size());

    Plan plan(profile, data[0] & 0x80);
    const bool sound = plan.check(fromMemory.rows());
    require(sound == plan.problems().isEmpty());
    if (sound)
        requireSendable(plan, profile);
    for (const QString &line : plan.report(QStringLiteral("plan.csv")))
        require(line.startsWith(QLatin1String("plan.csv:")));
    return 0;
}
