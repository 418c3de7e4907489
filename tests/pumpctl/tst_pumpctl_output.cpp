#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// pumpctl's words as the bytes a script, a file or a spreadsheet import receives
// through a pipe: UTF-8 with \n line ends, the same on every platform. (On Windows
// the C runtime would turn each \n into \r\n unless told not to.) Needs no pump, so
// it runs wherever pumpctl is built, Windows under Wine included.
class TestPumpctlOutput : public QObject
{
    Q_OBJECT

private slots:
    void resultsKeepLineEnds();
    void problemsKeepLineEndsAndNonAsciiText();

private:
    struct Run
    {
        int status = -1;
        QByteArray output;
        QByteArray errors;
    };
    static Run pumpctl(const QStringList &arguments);
};

TestPumpctlOutput::Run TestPumpctlOutput::pumpctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PUMPCTL_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

void TestPumpctlOutput::resultsKeepLineEnds()
{
    const Run version = pumpctl({ QStringLiteral("--version") });
    QCOMPARE(version.status, 0);
    QVERIFY2(version.output.startsWith("pumpctl "), version.output.constData());
    QVERIFY(version.output.endsWith('\n'));
    QVERIFY(!version.output.contains('\r'));

    const Run help = pumpctl({ QStringLiteral("--help") });
    QCOMPARE(help.status, 0);
    QVERIFY(help.output.count('\n') > 10);
    QVERIFY2(!help.output.contains('\r'), "the help has \\r line ends");
    QVERIFY(help.errors.isEmpty());
}

void TestPumpctlOutput::problemsKeepLineEndsAndNonAsciiText()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString name = QStringLiteral("plän-€.csv");
    QFile plan(folder.filePath(name));
    QVERIFY(plan.open(QIODevice::WriteOnly));
    plan.write(QStringLiteral("pump,NTT\nPümpe-1,€12\n").toUtf8());
    plan.close();

    const Run write
        = pumpctl({ QStringLiteral("write"), QDir::toNativeSeparators(plan.fileName()) });
    QCOMPARE(write.status, 2);
    QVERIFY(write.output.isEmpty());
    // The plan is named as the technician sees it, by its file name.
    const QByteArray expected = (name
                                 + QStringLiteral(":2:2: NTT \"€12\" is not up to 3 digits\n"
                                                  "pumpctl: nothing was sent\n"))
                                    .toUtf8();
    QCOMPARE(write.errors, expected);
}

QTEST_GUILESS_MAIN(TestPumpctlOutput)
#include "tst_pumpctl_output.moc"
