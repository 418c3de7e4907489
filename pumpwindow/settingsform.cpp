#include "settingsform.h"
#include "ui_mainwindow.h"

#include "programbinding.h"
#include "ipv4address.h"
#include "windowlog.h"

#include <QLineEdit>

namespace {

const QString unmarkedStyle = QStringLiteral("QLineEdit {}");
const QString markedStyle = QStringLiteral("QLineEdit {color: red;}");

QVector<FormField> formTable(Ui::MainWindow *ui)
{
#if PUMP_PROGRAM == PUMP_KEY_TOOL
    return {
        { "NK1", FieldKind::Key, ui->lineEdit_NK1, "Key 1" },
        { "NK2", FieldKind::Key, ui->lineEdit_NK2, "Key 2" },
        { "NK3", FieldKind::Key, ui->lineEdit_NK3, "Key 3" },
        { "NK4", FieldKind::Key, ui->lineEdit_NK4, "Key 4" },
        { "NK5", FieldKind::Key, ui->lineEdit_NK5, "Key 5" },
    };
#else
    QVector<FormField> ipSettings = {
        { "NAM", FieldKind::Assignment, ui->dropDownNAM, "IP Assignment" },
        { "NIP", FieldKind::Address, ui->lineEdit_NIP, "IPv4 Address" },
        { "NSM", FieldKind::Address, ui->lineEdit_NSM, "Subnet Mask" },
        { "NDG", FieldKind::Address, ui->lineEdit_NDG, "Default Gateway" },
        { "ND1", FieldKind::Address, ui->lineEdit_ND1, "DNS Server 1" },
        { "ND2", FieldKind::Address, ui->lineEdit_ND2, "DNS Server 2" },
    };
#if PUMP_PROGRAM == PUMP_NETWORK_TOOL
    ipSettings += {
        { "NTT", FieldKind::Text, ui->lineEdit_NTT, "TCP Timeout" },
        { "NUH", FieldKind::Text, ui->lineEdit_NUH, "UTC Offset hours" },
        { "NUM", FieldKind::Text, ui->lineEdit_NUM, "UTC Offset minutes" },
        { "NCM", FieldKind::Switch, ui->cmSlider, "Cloud Monitor" },
        { "NBT", FieldKind::Switch, ui->btSlider, "Bluetooth" },
        { "NTN", FieldKind::Switch, ui->tnSlider, "Telnet" },
        { "NPA", FieldKind::Text, ui->lineEdit_NPA, "PROFIBUS Address" },
    };
#endif
    return ipSettings;
#endif
}

QString PUMP_MODEL_T::*recordField(const char *mnemonic)
{
    for (const ProgramBinding::Setting &setting : ProgramBinding::settings()) {
        if (qstrcmp(setting.mnemonic, mnemonic) == 0)
            return setting.field;
    }
    return nullptr;
}

bool marksWrongInput(FieldKind kind)
{
    return kind == FieldKind::Address || kind == FieldKind::Key;
}

// The value Submit sends for one field, logged as it is taken; an address that
// is no address gives a null text.
QString submittedValue(const FormField &field)
{
    if (field.kind == FieldKind::Address) {
        const QString typed = static_cast<QLineEdit *>(field.editor)->text();
        windowLog("on_btnSubmit_clicked") << typed;
        return canonicalIPv4(typed);
    }
    const QString value = fieldValue(field);
    if (field.kind == FieldKind::Key) {
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
        if (marksWrongInput(field.kind))
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
        if (field.kind == FieldKind::Address && value.isNull()) {
            // Every wrong field is marked in one go; marks stay until a submission succeeds.
            field.editor->setStyleSheet(markedStyle);
            valid = false;
        }
        if (QString PUMP_MODEL_T::*member = recordField(field.mnemonic))
            (*pump).*member = value;
    }
    return valid;
}

QMap<QByteArray, QString> SettingsForm::values(const PUMP_MODEL_T &pump) const
{
    QMap<QByteArray, QString> byMnemonic;
    for (const FormField &field : qAsConst(table)) {
        if (QString PUMP_MODEL_T::*member = recordField(field.mnemonic))
            byMnemonic.insert(field.mnemonic, pump.*member);
    }
    return byMnemonic;
}

QString SettingsForm::newStaticAddress(const PUMP_MODEL_T &written)
{
    QString PUMP_MODEL_T::*assignment = recordField("NAM");
    QString PUMP_MODEL_T::*address = recordField("NIP");
    if (!assignment || !address || written.*assignment != QLatin1String("Static"))
        return QString();
    return written.*address;
}
