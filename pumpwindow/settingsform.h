#ifndef SETTINGSFORM_H
#define SETTINGSFORM_H

#include "formfield.h"
#include "pumpmodel.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

namespace Ui {
class MainWindow;
}

// The settings of this program's form as one table: which widget holds which
// setting and which field of the pump record takes it. The window clears, locks,
// fills and reads back its settings through it, the same way in every program.
class SettingsForm
{
public:
    SettingsForm() = default;
    // The form must be built: the table holds its widgets.
    explicit SettingsForm(Ui::MainWindow *ui);

    // In the order the settings are cleared, enabled and submitted.
    const QVector<FormField> &fields() const { return table; }

    void clear();
    void setEnabled(bool enabled);
    // Takes the red off every field that marks wrong input.
    void clearMarking();
    // Shows a value the pump reported; false when no setting lives in `editor`.
    bool show(QWidget *editor, const QString &value);
    // Fills `pump` from the form, logging each value for Submit. Every wrong
    // address is marked at once; false when any was wrong.
    bool read(PUMP_MODEL_T *pump);
    // What `pump` holds for each setting of the form, by mnemonic.
    QMap<QByteArray, QString> values(const PUMP_MODEL_T &pump) const;

    // The static address `written` moves the pump to, or an empty text when it
    // keeps the address it answers at.
    static QString newStaticAddress(const PUMP_MODEL_T &written);

private:
    QVector<FormField> table;
};

#endif // SETTINGSFORM_H
