#ifndef TEXTFITCHECK_H
#define TEXTFITCHECK_H

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

// Whether a widget shows its text whole: the text's size in the widget's font,
// measured by the font's own metrics, against the room the widget gives it. Kept
// apart from the window's fitting code, so that the two check each other.

inline QRect roomForText(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, combo);
    }
    auto *label = qobject_cast<const QLabel *>(widget);
    const int margin = label ? label->margin() : 0;
    return widget->contentsRect().adjusted(margin, margin, -margin, -margin);
}

inline QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
    return QString();
}

// "" when the text fits; otherwise what is cut, for the failure message.
inline QString clippedText(const QWidget *widget)
{
    const QString text = textOf(widget);
    if (text.isEmpty())
        return QString();
    const QSize needed = QFontMetrics(widget->font()).size(Qt::TextShowMnemonic, text);
    const QRect room = roomForText(widget);
    // A combo box's height is the form's, the same for every item it lists; only
    // the width tells whether its text shows whole.
    const bool heightCounts = !qobject_cast<const QComboBox *>(widget);
    if (needed.width() <= room.width() && (!heightCounts || needed.height() <= room.height()))
        return QString();
    return QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6 at %7 pt")
        .arg(widget->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height())
        .arg(widget->font().pointSizeF());
}

// Every label and button under `root` whose text is cut.
inline QStringList clippedTexts(const QWidget *root)
{
    QStringList clipped;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!qobject_cast<const QLabel *>(widget) && !qobject_cast<const QAbstractButton *>(widget))
            continue;
        const QString cut = clippedText(widget);
        if (!cut.isEmpty())
            clipped.append(cut);
    }
    return clipped;
}

// The font most Linux desktops give the windows; the checks measure under it.
inline bool dejaVuSansInstalled()
{
    return QFontDatabase().families().contains(QStringLiteral("DejaVu Sans"));
}

#endif // TEXTFITCHECK_H
