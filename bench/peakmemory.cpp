#include "peakmemory.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int report_peak_memory(char** command)
{
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execv(command[0], command);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    // The checker exits 1 for a file that is not clean; that is still a run.
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1)
        return 1;
    std::printf("%lld\n", static_cast<long long>(usage.ru_maxrss) * 1024);
    return 0;
}

qint64 peak_memory_of(const QStringList& command)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  QStringList{QLatin1String(peak_memory_option)} + command);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    bool ok = false;
    const qint64 bytes = process.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok ? bytes : -1;
}
