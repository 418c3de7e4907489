#ifndef FIELDSHADING_H
#define FIELDSHADING_H

#include <QHash>
#include <QString>

class QWidget;

// Shades a settings field whose value the technician should look at: one the pump
// never reported, or one it holds differently from what was written. A shade is a
// background; the red text of a wrong entry stays a separate sign.
class FieldShading
{
public:
    enum Shade { Unknown, Differs };

    void shade(QWidget *editor, Shade kind);
    // Gives the field back the style sheet it had before it was shaded.
    void clear(QWidget *editor);
    void clearAll();

    static QString styleSheetFor(const QWidget *editor, const QString &unshaded, Shade kind);

private:
    QHash<QWidget *, QString> unshadedSheets;
};

#endif // FIELDSHADING_H
