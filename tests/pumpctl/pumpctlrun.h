#ifndef PUMPCTLRUN_H
#define PUMPCTLRUN_H

#include <QProcess>
#include <QStringList>

// One run of the built pumpctl, as a script would make it: what it printed on each
// stream and how it exited (-1 when it crashed or did not finish within a minute).
struct PumpctlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline PumpctlRun runPumpctl(const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(PUMPCTL_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    PumpctlRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("pumpctl did not finish");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

#endif // PUMPCTLRUN_H
