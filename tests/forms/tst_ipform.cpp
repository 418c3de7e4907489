#include "formcheck.h"
#include "ui_mainwindow.h"

namespace {

WantedForm ipForm()
{
    WantedForm form;
    form.title = QStringLiteral("Velmora Network Tool v1.0.0");
    form.addWindow();
    form.addLogo();
    // Wide enough for "Connection" beside the combo box's 125 pixels under DejaVu Sans.
    form.addConnectionGroup("layoutWidget1", QRect(220, 74, 215, 56));
    form.addSearchGroup("layoutWidget2", QRect(62, 130, 540, 25));
    form.addBrowserButton();

    form.addRows("layoutWidget4", "verticalLayout_2", QRect(61, 211, 235, 80),
                 { { "horizontalLayout_2", "label", "dropDownNAM" },
                   { "horizontalLayout_5", "label_2", "lineEdit_NIP" },
                   { "horizontalLayout_6", "label_5", "lineEdit_NSM" } });
    form.addAddressFields("layoutWidget4");

    form.addRows("layoutWidget3", "verticalLayout", QRect(390, 210, 224, 80),
                 { { "horizontalLayout_7", "label_6", "lineEdit_NDG" },
                   { "horizontalLayout_8", "label_7", "lineEdit_ND1" },
                   { "horizontalLayout_9", "label_8", "lineEdit_ND2" } });
    form.addGatewayFields("layoutWidget3");

    form.addButtonGroup();
    form.addOverlay(QRect(221, 330, 261, 38));
    form.raisedLast = QStringList { "layoutWidget", "brandLogo", "btnBrowser", "labelSpinner",
                                    "labelSpinner_text" };

    form.typing = { { "lineEdit_NIP", "010000000001", "010.000.000.001" },
                    { "lineEdit_ND2", "abc", "..." } };
    return form;
}

} // namespace

int main(int argc, char **argv) { return runFormCheck<Ui::MainWindow>(argc, argv, ipForm()); }
