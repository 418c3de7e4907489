#ifndef TEXTFITTER_H
#define TEXTFITTER_H

#include <QRect>
#include <QSize>

class QWidget;

// The forms were laid out for one desktop's font; another one (DejaVu Sans on most
// Linux desktops) is wider and would cut texts off at the edge of their fixed
// rectangles. A text that does not fit is shown in a smaller point size, lowered
// just enough, so that no widget has to move or grow.
class TextFitter
{
public:
    // Fits every label and button under `root`, keeping each one where it is.
    static void fitAll(QWidget *root);
    // Fits the widget's current text; call it whenever the text changes. The
    // widget's own font is the largest it is ever shown in.
    static void fit(QWidget *widget);

    // The room the widget gives its text, and what the text needs in `pointSize`.
    static QRect textRoom(const QWidget *widget);
    static QSize textSize(const QWidget *widget, qreal pointSize);
    static bool fits(const QWidget *widget);

private:
    static bool carriesText(const QWidget *widget);
};

#endif // TEXTFITTER_H
