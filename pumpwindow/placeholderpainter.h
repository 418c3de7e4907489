#ifndef PLACEHOLDERPAINTER_H
#define PLACEHOLDERPAINTER_H

#include <QObject>

class QComboBox;

// Paints a combo box's placeholder text while no item is current. The toolkit's
// own styles leave it out of a combo box that cannot be edited, so a list that
// stays empty would say nothing.
class PlaceholderPainter : public QObject
{
    Q_OBJECT

public:
    explicit PlaceholderPainter(QComboBox *combo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *combo;
};

#endif // PLACEHOLDERPAINTER_H
