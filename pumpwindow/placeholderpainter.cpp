#include "placeholderpainter.h"

#include <QComboBox>
#include <QEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

PlaceholderPainter::PlaceholderPainter(QComboBox *watchedCombo)
    : QObject(watchedCombo)
    , combo(watchedCombo)
{
    combo->installEventFilter(this);
}

bool PlaceholderPainter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != combo || event->type() != QEvent::Paint || combo->currentIndex() >= 0
        || combo->placeholderText().isEmpty() || combo->isEditable())
        return false;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    QStylePainter painter(combo);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    painter.setPen(option.palette.placeholderText().color());
    painter.drawText(field.adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     combo->placeholderText());
    return true;
}
