#include "formcheck.h"
#include "ui_mainwindow.h"

namespace {

WantedForm keyForm()
{
    WantedForm form;
    form.title = QStringLiteral("Velmora Connection Tool v1.0.0");
    form.addWindow();
    form.addLogo();
    // Wide enough for "Connection" beside the combo box's 125 pixels under DejaVu Sans.
    form.addConnectionGroup("layoutWidget1", QRect(220, 74, 215, 56));
    form.addSearchGroup("layoutWidget2", QRect(62, 130, 540, 25));

    // Wide enough for the longest translated label ("Schlüssel 1", 79 pixels under
    // DejaVu Sans 10) beside a field's 300 pixels; it grows to the right only, into
    // the window's empty side, so every row keeps its place, and ends where the pump
    // box ends.
    form.addRows("layoutWidget3", "verticalLayout", QRect(150, 212, 452, 136),
                 { { "horizontalLayout_7", "label_6", "lineEdit_NK1" },
                   { "horizontalLayout_8", "label_7", "lineEdit_NK2" },
                   { "horizontalLayout_9", "label_8", "lineEdit_NK3" },
                   { "horizontalLayout_10", "label_10", "lineEdit_NK4" },
                   { "horizontalLayout_12", "label_11", "lineEdit_NK5" } });
    // Keys are free text: no mask, no length limit, shown as typed.
    const char keys[] = "layoutWidget3";
    form.widgets
        << widget("label_6", "QLabel", keys).withText(QStringLiteral("Key 1")).maxHeight(35)
        << widget("lineEdit_NK1", "QLineEdit", keys).minWidth(300)
        << widget("label_7", "QLabel", keys).withText(QStringLiteral("Key 2")).maxHeight(35)
        << widget("lineEdit_NK2", "QLineEdit", keys).minWidth(300)
        << widget("label_8", "QLabel", keys).withText(QStringLiteral("Key 3")).maxHeight(35)
        << widget("lineEdit_NK3", "QLineEdit", keys).minWidth(300)
        << widget("label_10", "QLabel", keys).withText(QStringLiteral("Key 4")).maxHeight(35)
        << widget("lineEdit_NK4", "QLineEdit", keys).minWidth(300)
        << widget("label_11", "QLabel", keys).withText(QStringLiteral("Key 5")).maxHeight(35)
        << widget("lineEdit_NK5", "QLineEdit", keys).minWidth(300);

    form.addButtonGroup();
    form.addOverlay(QRect(200, 360, 261, 38));
    form.raisedLast
        = QStringList { "layoutWidget", "brandLogo", "labelSpinner", "labelSpinner_text" };

    form.typing
        = { { "lineEdit_NK1", "a,b; C-9", "a,b; C-9" }, { "lineEdit_NK5", " Key5 ", " Key5 " } };
    return form;
}

} // namespace

int main(int argc, char **argv) { return runFormCheck<Ui::MainWindow>(argc, argv, keyForm()); }
