#include "formcheck.h"
#include "ui_mainwindow.h"

namespace {

WantedForm ipForm()
{
    const QString address = QStringLiteral("000.000.000.000");
    WantedForm form;
    form.title = QStringLiteral("Velmora Network Tool v1.0.0");
    form.addWindow();
    form.addLogo();
    form.addConnectionGroup("layoutWidget1", QRect(220, 74, 189, 56));
    form.addSearchGroup("layoutWidget2", QRect(62, 130, 540, 25));
    form.widgets << widget("btnBrowser", "QPushButton", "centralWidget")
                        .at(220, 170, 187, 23)
                        .withText(QStringLiteral("Set Up From Browser"))
                        .minSize(0, 23);

    form.addRows("layoutWidget4", "verticalLayout_2", QRect(61, 211, 207, 80),
                 { { "horizontalLayout_2", "label", "dropDownNAM" },
                   { "horizontalLayout_5", "label_2", "lineEdit_NIP" },
                   { "horizontalLayout_6", "label_5", "lineEdit_NSM" } });
    const char ip[] = "layoutWidget4";
    form.widgets
        << widget("label", "QLabel", ip).withText(QStringLiteral("IP Assignment"))
        << widget("dropDownNAM", "QComboBox", ip)
               .withItems({ QStringLiteral("DHCP"), QStringLiteral("Static") })
               .minWidth(125)
        << widget("label_2", "QLabel", ip).withText(QStringLiteral("IPv4 Address")).maxHeight(35)
        << widget("lineEdit_NIP", "QLineEdit", ip).withMask(address)
        << widget("label_5", "QLabel", ip).withText(QStringLiteral("Subnet Mask")).maxHeight(35)
        << widget("lineEdit_NSM", "QLineEdit", ip).withMask(address);

    form.addRows("layoutWidget3", "verticalLayout", QRect(390, 210, 224, 80),
                 { { "horizontalLayout_7", "label_6", "lineEdit_NDG" },
                   { "horizontalLayout_8", "label_7", "lineEdit_ND1" },
                   { "horizontalLayout_9", "label_8", "lineEdit_ND2" } });
    const char dns[] = "layoutWidget3";
    form.widgets
        << widget("label_6", "QLabel", dns)
               .withText(QStringLiteral("Default Gateway"))
               .maxHeight(35)
        << widget("lineEdit_NDG", "QLineEdit", dns).withMask(address)
        << widget("label_7", "QLabel", dns).withText(QStringLiteral("DNS Server 1")).maxHeight(35)
        << widget("lineEdit_ND1", "QLineEdit", dns).withMask(address)
        << widget("label_8", "QLabel", dns).withText(QStringLiteral("DNS Server 2")).maxHeight(35)
        << widget("lineEdit_ND2", "QLineEdit", dns).withMask(address);

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
