// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `check` in a child process that sees `folder` as a tiny file system of its own,
// in a mount namespace, filled up after `prepare` has run. The child's exit status:
// 0 when `check` held, 1 when not, 77 when no such file system can be made here.
inline int CheckOnAFullDisk(const QString &folder, const std::function<bool()> &prepare,
                            const std::function<bool()> &check)
{
    const QByteArray mountPoint = QFile::encodeName(folder);
    const pid_t child = ::fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        if (::unshare(::geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0
            || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tidewatch-test", mountPoint.constData(), "tmpfs", 0, "size=8k") != 0)
            ::_exit(77);
        QFile filler(folder + QStringLiteral("/filler"));
        if (!prepare() || !filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            ::_exit(1);
        while (filler.write(QByteArray(512, 'f')) > 0) {
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return 1;
    return WEXITSTATUS(status);
}
