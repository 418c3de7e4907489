#include "watchedchild.h"

#include <QElapsedTimer>
#include <QFile>
#include <QVector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

long peakResidentKiB(pid_t child)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(child));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

WatchedChild runWatched(const QStringList &arguments, const QString &outputPath)
{
    QVector<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.append(argument.toLocal8Bit());
    QVector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.append(argument.data());
    argv.append(nullptr);
    const QByteArray output = outputPath.toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    WatchedChild run;
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    const bool spawned
        = posix_spawn(&child, argv.first(), &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!spawned)
        return run;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        run.peakKiB = qMax(run.peakKiB, peakResidentKiB(child));
        usleep(20000);
    }
    run.ms = clock.nsecsElapsed() / 1e6;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    QFile file(outputPath);
    if (file.open(QIODevice::ReadOnly))
        run.output = file.readAll();
    return run;
}
