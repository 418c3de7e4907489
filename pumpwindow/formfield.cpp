#include "formfield.h"

#include "ipv4address.h"
#include "settingvalue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

void clearField(const FormField &field)
{
    switch (field.kind) {
    case FieldKind::Assignment:
        static_cast<QComboBox *>(field.editor)->setCurrentIndex(0);
        break;
    case FieldKind::Switch:
        static_cast<QSlider *>(field.editor)->setValue(0);
        break;
    case FieldKind::Address:
    case FieldKind::Text:
    case FieldKind::Key:
        static_cast<QLineEdit *>(field.editor)->setText(QString());
        break;
    }
}

void showFieldValue(const FormField &field, const QString &value)
{
    switch (field.kind) {
    case FieldKind::Assignment:
        static_cast<QComboBox *>(field.editor)
            ->setCurrentIndex(value == QLatin1String("DHCP") ? 0 : 1);
        break;
    case FieldKind::Switch:
        static_cast<QSlider *>(field.editor)->setValue(value == QLatin1String("ON") ? 1 : 0);
        break;
    case FieldKind::Address:
    case FieldKind::Text:
    case FieldKind::Key:
        static_cast<QLineEdit *>(field.editor)->setText(value);
        break;
    }
}

QString fieldValue(const FormField &field)
{
    switch (field.kind) {
    case FieldKind::Assignment:
        return static_cast<QComboBox *>(field.editor)->currentText();
    case FieldKind::Switch:
        return SettingValue::switchText(static_cast<QSlider *>(field.editor)->value() == 1);
    case FieldKind::Address: {
        const QString typed = static_cast<QLineEdit *>(field.editor)->text();
        const QString address = canonicalIPv4(typed);
        return address.isNull() ? typed : address;
    }
    case FieldKind::Text:
    case FieldKind::Key:
        break;
    }
    return static_cast<QLineEdit *>(field.editor)->text();
}

QString readableValue(const FormField &field, const QString &value)
{
    if (field.kind == FieldKind::Switch && value.endsWith(QLatin1Char('\r')))
        return value.chopped(1);
    return value;
}
