#include "formfield.h"

#include "ipv4address.h"
#include "settingvalue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

void clearField(const FormField &field)
{
    switch (field.kind()) {
    case SettingKind::Assignment:
        static_cast<QComboBox *>(field.editor)->setCurrentIndex(0);
        break;
    case SettingKind::Switch:
        static_cast<QSlider *>(field.editor)->setValue(0);
        break;
    case SettingKind::Address:
    case SettingKind::Digits:
    case SettingKind::Key:
        static_cast<QLineEdit *>(field.editor)->setText(QString());
        break;
    }
}

void showFieldValue(const FormField &field, const QString &value)
{
    switch (field.kind()) {
    case SettingKind::Assignment:
        static_cast<QComboBox *>(field.editor)
            ->setCurrentIndex(SettingValue::reportsDhcp(value) ? 0 : 1);
        break;
    case SettingKind::Switch:
        static_cast<QSlider *>(field.editor)->setValue(SettingValue::reportsOn(value) ? 1 : 0);
        break;
    case SettingKind::Address:
    case SettingKind::Digits:
    case SettingKind::Key:
        static_cast<QLineEdit *>(field.editor)->setText(value);
        break;
    }
}

QString fieldValue(const FormField &field)
{
    switch (field.kind()) {
    case SettingKind::Assignment:
        // Its box lists "DHCP", then "Static", in the window's language.
        return SettingValue::assignmentText(static_cast<QComboBox *>(field.editor)->currentIndex()
                                            == 0);
    case SettingKind::Switch:
        return SettingValue::switchText(static_cast<QSlider *>(field.editor)->value() == 1);
    case SettingKind::Address: {
        const QString typed = static_cast<QLineEdit *>(field.editor)->text();
        const QString address = canonicalIPv4(typed);
        return address.isNull() ? typed : address;
    }
    case SettingKind::Digits:
    case SettingKind::Key:
        break;
    }
    return static_cast<QLineEdit *>(field.editor)->text();
}
