#include "settingswatch.h"

#include "pumpprotocol.h"
#include "windowlog.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>

namespace {

// The link waits up to 100 ms for each serial frame to leave and as long for its
// answer; over Ethernet it paces the frames.
constexpr int serialFrameMs = 200;
// The pump's answer to the last query, and a connection still being made.
constexpr int readMarginMs = 1000;

} // namespace

SettingsWatch::SettingsWatch(QObject *parent)
    : QObject(parent)
{
    readDeadline.setSingleShot(true);
    connect(&readDeadline, &QTimer::timeout, this, &SettingsWatch::finishRead);
}

int SettingsWatch::readTimeMs(int queryFrames, bool serialLine)
{
    const int frameMs = serialLine ? serialFrameMs : PumpProtocol::framePauseMs;
    return queryFrames * frameMs + readMarginMs;
}

void SettingsWatch::watch(const QVector<FormField> &formFields)
{
    fields = formFields;
    for (const FormField &field : qAsConst(fields)) {
        QWidget *editor = field.editor;
        // Only the technician's own input counts, never a value the program shows.
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            connect(edit, &QLineEdit::textEdited, this, [this, editor] { noteFilledIn(editor); });
        else if (auto *combo = qobject_cast<QComboBox *>(editor))
            connect(combo, QOverload<int>::of(&QComboBox::activated), this,
                    [this, editor] { noteFilledIn(editor); });
        else if (auto *slider = qobject_cast<QAbstractSlider *>(editor))
            connect(slider, &QAbstractSlider::actionTriggered, this,
                    [this, editor] { noteFilledIn(editor); });
    }
}

void SettingsWatch::beginRead(int queryFrames, bool serialLine)
{
    forget();
    if (fields.isEmpty())
        return;
    readDeadline.start(readTimeMs(queryFrames, serialLine));
}

void SettingsWatch::forget()
{
    readDeadline.stop();
    arrived.clear();
    filledIn.clear();
    shading.clearAll();
}

void SettingsWatch::noteArrived(QWidget *editor)
{
    const bool first = arrived.isEmpty();
    arrived.insert(editor);
    shading.clear(editor);
    if (first)
        emit firstAnswer();
    if (readDeadline.isActive() && missing().isEmpty()) {
        readDeadline.stop();
        finishRead();
    }
}

void SettingsWatch::noteFilledIn(QWidget *editor)
{
    filledIn.insert(editor);
    shading.clear(editor);
}

QVector<FormField> SettingsWatch::missing() const
{
    QVector<FormField> notArrived;
    for (const FormField &field : fields) {
        if (!arrived.contains(field.editor))
            notArrived.append(field);
    }
    return notArrived;
}

QVector<FormField> SettingsWatch::unfilled() const
{
    QVector<FormField> unknown;
    for (const FormField &field : missing()) {
        if (!filledIn.contains(field.editor))
            unknown.append(field);
    }
    return unknown;
}

void SettingsWatch::shadeUnknown(const QVector<FormField> &unknown)
{
    for (const FormField &field : unknown)
        shading.shade(field.editor, FieldShading::Unknown);
}

void SettingsWatch::shadeDiffering(QWidget *editor)
{
    shading.shade(editor, FieldShading::Differs);
}

void SettingsWatch::finishRead()
{
    const QVector<FormField> notArrived = missing();
    if (arrived.isEmpty()) {
        windowLog("finishRead") << "No answer";
    } else if (!notArrived.isEmpty()) {
        QDebug line = windowLog("finishRead");
        line << "No answer for";
        for (const FormField &field : notArrived)
            line << QString::fromLatin1(field.mnemonic());
    }
    shadeUnknown(unfilled());
    emit readEnded();
}
