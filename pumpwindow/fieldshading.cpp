#include "fieldshading.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QVariant>

namespace {

// Pale yellow for "not known", pale orange for "not what was written".
const char *const unknownColour = "rgb(255, 241, 168)";
const char *const differsColour = "rgb(255, 207, 158)";
const char *const shadedProperty = "shadedStyleSheet";

} // namespace

QString FieldShading::styleSheetFor(const QWidget *editor, const QString &unshaded, Shade kind)
{
    const QString colour = QLatin1String(kind == Unknown ? unknownColour : differsColour);
    // A switch keeps its own look; only its groove takes the colour.
    if (qobject_cast<const QSlider *>(editor))
        return unshaded
            + QStringLiteral("\nQSlider::groove:horizontal {background: %1;}").arg(colour);
    if (qobject_cast<const QComboBox *>(editor))
        return QStringLiteral("QComboBox {background-color: %1;}").arg(colour);
    return QStringLiteral("QLineEdit {background-color: %1;}").arg(colour);
}

void FieldShading::shade(QWidget *editor, Shade kind)
{
    if (!unshadedSheets.contains(editor))
        unshadedSheets.insert(editor, editor->styleSheet());
    const QString shaded = styleSheetFor(editor, unshadedSheets.value(editor), kind);
    editor->setStyleSheet(shaded);
    editor->setProperty(shadedProperty, shaded);
}

void FieldShading::clear(QWidget *editor)
{
    if (!unshadedSheets.contains(editor))
        return;
    const QString unshaded = unshadedSheets.take(editor);
    // A red mark set over the shade meanwhile stays.
    if (editor->styleSheet() == editor->property(shadedProperty).toString())
        editor->setStyleSheet(unshaded);
    editor->setProperty(shadedProperty, QVariant());
}

void FieldShading::clearAll()
{
    const QList<QWidget *> editors = unshadedSheets.keys();
    for (QWidget *editor : editors)
        clear(editor);
}
