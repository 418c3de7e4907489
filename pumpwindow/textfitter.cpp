#include "textfitter.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

namespace {

// Below this a text is no longer readable; it would rather be cut.
constexpr qreal smallestPointSize = 6.0;
constexpr qreal pointStep = 0.25;
const char *const designedSizeProperty = "designedPointSize";

QString shownText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

qreal designedPointSize(QWidget *widget)
{
    const QVariant stored = widget->property(designedSizeProperty);
    if (stored.isValid())
        return stored.toReal();
    const qreal size = widget->font().pointSizeF();
    widget->setProperty(designedSizeProperty, size);
    return size;
}

void setPointSize(QWidget *widget, qreal pointSize)
{
    if (qFuzzyCompare(widget->font().pointSizeF(), pointSize))
        return;
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    widget->setFont(font);
}

} // namespace

bool TextFitter::carriesText(const QWidget *widget)
{
    return (qobject_cast<const QLabel *>(widget) || qobject_cast<const QPushButton *>(widget))
        && !shownText(widget).isEmpty();
}

QRect TextFitter::textRoom(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    QRect room = widget->contentsRect();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        const int margin = label->margin();
        room.adjust(margin, margin, -margin, -margin);
        if (label->indent() > 0)
            room.adjust(label->indent(), 0, 0, 0);
    }
    return room;
}

QSize TextFitter::textSize(const QWidget *widget, qreal pointSize)
{
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    const QFontMetrics metrics(font);
    return metrics.size(Qt::TextShowMnemonic, shownText(widget));
}

bool TextFitter::fits(const QWidget *widget)
{
    if (!carriesText(widget))
        return true;
    const QSize needed = textSize(widget, widget->font().pointSizeF());
    const QRect room = textRoom(widget);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void TextFitter::fit(QWidget *widget)
{
    if (!carriesText(widget))
        return;
    widget->ensurePolished();
    const qreal designed = designedPointSize(widget);
    if (designed <= 0)
        return;
    const QRect room = textRoom(widget);
    qreal pointSize = designed;
    while (pointSize > smallestPointSize) {
        const QSize needed = textSize(widget, pointSize);
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
        pointSize -= pointStep;
    }
    setPointSize(widget, qMax(pointSize, smallestPointSize));
}

void TextFitter::fitAll(QWidget *root)
{
    // The layouts place every widget first: only then is each rectangle known.
    const QList<QLayout *> layouts = root->findChildren<QLayout *>();
    for (QLayout *layout : layouts)
        layout->activate();
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!carriesText(widget))
            continue;
        widget->ensurePolished();
        if (fits(widget))
            continue;
        // A smaller text asks its layout for less room; held at its size the widget
        // leaves its neighbours where they are.
        if (widget->parentWidget() && widget->parentWidget()->layout())
            widget->setFixedSize(widget->size());
        fit(widget);
    }
}
