#include "settingsform.h"
#include "ui_mainwindow.h"

#include "ipv4address.h"
#include "programbinding.h"
#include "settingvalue.h"
#include "windowlog.h"

#include <QLineEdit>

namespace {

const QString unmarkedStyle = QStringLiteral("QLineEdit {}");
const QString markedStyle = QStringLiteral("QLineEdit {color: red;}");

// The designer forms name each editor after its setting: "dropDownNAM",
// "lineEdit_NIP", and a switch after the mnemonic's last two letters, "cmSlider".
QString editorName(const SettingDescription &setting)
{
    const QString mnemonic = QString::fromLatin1(setting.mnemonic);
    switch (setting.kind) {
    case SettingKind::Assignment:
        return QStringLiteral("dropDown") + mnemonic;
    case SettingKind::Switch:
        return mnemonic.mid(1).toLower() + QStringLiteral("Slider");
    case SettingKind::Address:
    case SettingKind::Digits:
    case SettingKind::Key:
        break;
    }
    return QStringLiteral("lineEdit_") + mnemonic;
}

// The program's profile in the order of its settings, each with its editor on the form.
QVector<FormField> formTable(Ui::MainWindow *ui)
{
    QVector<FormField> table;
    for (const SettingDescription &setting : ProgramBinding::profile().settings()) {
        const QString name = editorName(setting);
        auto *editor = ui->centralWidget->findChild<QWidget *>(name);
        if (!editor)
            qFatal("The form has no editor %s for its setting", qPrintable(name));
        table.append({ &setting, editor });
    }
    return table;
}

QString PUMP_MODEL_T::*recordField(const QByteArray &mnemonic)
{
    for (const ProgramBinding::Setting &setting : ProgramBinding::settings()) {
        if (mnemonic == setting.mnemonic)
            return setting.field;
    }
    return nullptr;
}

bool marksWrongInput(SettingKind kind)
{
    return kind == SettingKind::Address || kind == SettingKind::Key;
}

// The value Submit sends for one field, logged as it is taken; an address that
// is no address gives a null text.
QString submittedValue(const FormField &field)
{
    if (field.kind() == SettingKind::Address) {
        const QString typed = static_cast<QLineEdit *>(field.editor)->text();
        windowLog("on_btnSubmit_clicked") << typed;
        return canonicalIPv4(typed);
    }
    const QString value = fieldValue(field);
    if (field.kind() == SettingKind::Key) {
        // Keys are secrets: the log shows that one was given, never what it is.
        windowLog("on_btnSubmit_clicked") << "[redacted]" << value.size() << "characters";
    } else {
        windowLog("on_btnSubmit_clicked") << value;
    }
    return value;
}

} // namespace

SettingsForm::SettingsForm(Ui::MainWindow *ui)
    : table(formTable(ui))
{ }

void SettingsForm::clear()
{
    for (const FormField &field : qAsConst(table))
        clearField(field);
}

void SettingsForm::setEnabled(bool enabled)
{
    for (const FormField &field : qAsConst(table))
        field.editor->setEnabled(enabled);
}

void SettingsForm::clearMarking()
{
    for (const FormField &field : qAsConst(table)) {
        if (marksWrongInput(field.kind()))
            field.editor->setStyleSheet(unmarkedStyle);
    }
}

bool SettingsForm::show(QWidget *editor, const QString &value)
{
    for (const FormField &field : qAsConst(table)) {
        if (field.editor == editor) {
            showFieldValue(field, value);
            return true;
        }
    }
    return false;
}

bool SettingsForm::read(PUMP_MODEL_T *pump)
{
    bool valid = true;
    for (const FormField &field : qAsConst(table)) {
        const QString value = submittedValue(field);
        if (field.kind() == SettingKind::Address && value.isNull()) {
            // Every wrong field is marked in one go; marks stay until a submission succeeds.
            field.editor->setStyleSheet(markedStyle);
            valid = false;
        }
        if (QString PUMP_MODEL_T::*member = recordField(field.mnemonic()))
            (*pump).*member = value;
    }
    return valid;
}

QMap<QByteArray, QString> SettingsForm::values(const PUMP_MODEL_T &pump) const
{
    QMap<QByteArray, QString> byMnemonic;
    for (const FormField &field : qAsConst(table)) {
        if (QString PUMP_MODEL_T::*member = recordField(field.mnemonic()))
            byMnemonic.insert(field.mnemonic(), pump.*member);
    }
    return byMnemonic;
}

QString SettingsForm::newStaticAddress(const PUMP_MODEL_T &written)
{
    const ProgramProfile &profile = ProgramBinding::profile();
    QString PUMP_MODEL_T::*assignment = recordField(profile.mnemonicOf(SettingRole::Assignment));
    QString PUMP_MODEL_T::*address = recordField(profile.mnemonicOf(SettingRole::Address));
    if (!assignment || !address || !SettingValue::assignsStatic(written.*assignment))
        return QString();
    return written.*address;
}
