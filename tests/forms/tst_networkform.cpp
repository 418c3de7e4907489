#include "formcheck.h"
#include "ui_mainwindow.h"

namespace {

// An on/off slider drawn as a switch: a white groove, a blue filled part left of the handle and
// a grey handle that stands 2 px proud of the groove above and below.
const char switchStyle[] = "QSlider::groove:horizontal {\n"
                           "    height: 20px;\n"
                           "    background: white;\n"
                           "    border: 1px solid #bbb;\n"
                           "    border-radius: 3px;\n"
                           "}\n"
                           "QSlider::sub-page:horizontal {\n"
                           "    background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, "
                           "stop: 0 rgb(164, 205, 255), stop: 1 rgb(51, 94, 242));\n"
                           "    border: 1px solid #777;\n"
                           "    height: 10px;\n"
                           "    border-radius: 3px;\n"
                           "}\n"
                           "QSlider::handle:horizontal {\n"
                           "    background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, "
                           "stop: 0 #eee, stop: 1 #ccc);\n"
                           "    border: 1px solid #777;\n"
                           "    width: 22px;\n"
                           "    margin: -2px 0;\n"
                           "    border-radius: 3px;\n"
                           "}";

WantedForm networkForm()
{
    WantedForm form;
    form.title = QStringLiteral("Corvane Network Tool v1.0.6");
    form.addWindow();
    form.addLogo();
    // Wide enough for "Connection" beside the combo box's 125 pixels under DejaVu Sans.
    form.addConnectionGroup("layoutWidget2", QRect(220, 74, 215, 56));
    form.addSearchGroup("layoutWidget3", QRect(62, 130, 540, 25));
    form.addBrowserButton();

    form.addRows("layoutWidget1", "verticalLayout", QRect(60, 210, 237, 193),
                 { { "horizontalLayout_2", "label", "dropDownNAM" },
                   { "horizontalLayout_5", "label_2", "lineEdit_NIP" },
                   { "horizontalLayout_6", "label_5", "lineEdit_NSM" },
                   { "horizontalLayout_7", "label_6", "lineEdit_NDG" },
                   { "horizontalLayout_8", "label_7", "lineEdit_ND1" },
                   { "horizontalLayout_9", "label_8", "lineEdit_ND2" } });
    form.addAddressFields("layoutWidget1");
    form.addGatewayFields("layoutWidget1");

    form.addRows("layoutWidget4", "verticalLayout_2", QRect(370, 212, 191, 176),
                 { { "horizontalLayout_10", "label_10", "lineEdit_NTT" },
                   { "horizontalLayout_3", "label_11", "lineEdit_NUH", "label_12", "lineEdit_NUM" },
                   { "horizontalLayout_4", "label_15", "cmSlider" },
                   { "horizontalLayout_12", "label_16", "btSlider" },
                   { "horizontalLayout_16", "label_18", "tnSlider" },
                   { "horizontalLayout_15", "label_13", "lineEdit_NPA" } });
    const char service[] = "layoutWidget4";
    form.widgets
        << widget("label_10", "QLabel", service)
               .withText(QStringLiteral("TCP Timeout [Sec]"))
               .maxHeight(35)
        << widget("lineEdit_NTT", "QLineEdit", service).withMask("999").maxWidth(80)
        // U+00B1 is the plus-minus sign.
        << widget("label_11", "QLabel", service)
               .withText(QStringLiteral("UTC Offset [\u00B1hh:mm]"))
               .maxHeight(35)
        << widget("lineEdit_NUH", "QLineEdit", service).withMask("#99", 3).maxWidth(30)
        << widget("label_12", "QLabel", service).withText(QStringLiteral(":")).maxSize(5, 25)
        << widget("lineEdit_NUM", "QLineEdit", service).withMask("99").maxWidth(30)
        << widget("label_15", "QLabel", service).withText(QStringLiteral("Cloud Monitor"))
        << widget("cmSlider", "QSlider", service).fixed(50, 24).withStyle(switchStyle)
        << widget("label_16", "QLabel", service).withText(QStringLiteral("Bluetooth"))
        << widget("btSlider", "QSlider", service).fixed(50, 24).withStyle(switchStyle)
        << widget("label_18", "QLabel", service).withText(QStringLiteral("Telnet"))
        << widget("tnSlider", "QSlider", service).fixed(50, 24).withStyle(switchStyle)
        << widget("label_13", "QLabel", service)
               .withText(QStringLiteral("PROFIBUS Address"))
               .maxHeight(35)
        << widget("lineEdit_NPA", "QLineEdit", service).withMask("999").maxWidth(80);

    form.addButtonGroup();
    form.addOverlay(QRect(221, 273, 261, 38));
    form.raisedLast = QStringList { "layoutWidget", "brandLogo", "btnBrowser", "labelSpinner",
                                    "labelSpinner_text" };

    form.switches = { { "cmSlider", 0, 1, 1 }, { "btSlider", 0, 1, 1 }, { "tnSlider", 0, 1, 1 } };
    form.typing = { { "lineEdit_NIP", "192168001010", "192.168.001.010" },
                    { "lineEdit_NIP", "x1y", "1..." },
                    { "lineEdit_NTT", "12a3", "123" },
                    { "lineEdit_NTT", "1234", "123" },
                    { "lineEdit_NUH", "-031", "-03" },
                    { "lineEdit_NUH", "+12", "+12" },
                    { "lineEdit_NUH", "h05", "05" },
                    { "lineEdit_NUM", "3x0", "30" },
                    { "lineEdit_NPA", "abc", "" } };
    return form;
}

} // namespace

int main(int argc, char **argv) { return runFormCheck<Ui::MainWindow>(argc, argv, networkForm()); }
