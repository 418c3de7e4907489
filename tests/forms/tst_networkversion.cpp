#include "pumpversion.h"
#include "ui_mainwindow.h"

#include <QMainWindow>
#include <QtTest>

// The network tool's title names the release it belongs to. The title is the form's
// own text, the release is the project's version: a new release changes both.
class TestNetworkVersion : public QObject
{
    Q_OBJECT

private slots:
    void titleNamesTheProjectVersion()
    {
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        const QString title = window.windowTitle();
        const QString prefix = QStringLiteral("Corvane Network Tool v");
        QVERIFY2(title.startsWith(prefix), qPrintable(title));
        QCOMPARE(title.mid(prefix.size()), QStringLiteral(PUMPTOOLS_VERSION));
    }
};

QTEST_MAIN(TestNetworkVersion)
#include "tst_networkversion.moc"
