// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/PlainFile.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLockTries = 150;
constexpr int kLockRetryMs = 20;

} // namespace

QString DescribeFileFailure(int code)
{
    if (code == ENOSPC || code == EDQUOT)
        return QStringLiteral("the disk is full");
    if (code == EROFS)
        return QStringLiteral("the disk is read-only");
    return QString::fromLocal8Bit(std::strerror(code));
}

PlainFile::PlainFile(QString name)
    : mName(std::move(name))
{
}

PlainFile::~PlainFile()
{
    if (mFd >= 0)
        ::close(mFd);
}

bool PlainFile::fail(int code)
{
    mError = DescribeFileFailure(code);
    return false;
}

bool PlainFile::open(const QString &path, Mode mode)
{
    const int flags = mode == Mode::Read ? O_RDONLY : O_RDWR | O_CREAT | O_APPEND;
    mFd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0600);
    if (mFd < 0)
        return fail(errno);
    struct stat info {};
    if (::fstat(mFd, &info) != 0)
        return fail(errno);
    if (!S_ISREG(info.st_mode)) {
        ::close(mFd);
        mFd = -1;
        mError = QStringLiteral("%1 is not a plain file").arg(mName);
        return false;
    }
    return true;
}

bool PlainFile::lockExclusive()
{
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        if (::flock(mFd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return fail(errno);
        QThread::msleep(kLockRetryMs);
    }
    mError = QStringLiteral("another program keeps %1 locked").arg(mName);
    return false;
}

bool PlainFile::makeOwnerOnly()
{
    struct stat info {};
    if (::fstat(mFd, &info) != 0 || (info.st_mode & 077) == 0)
        return false;
    return ::fchmod(mFd, info.st_mode & 07700) == 0;
}

qint64 PlainFile::size()
{
    struct stat info {};
    return ::fstat(mFd, &info) == 0 ? qint64(info.st_size) : -1;
}

bool PlainFile::append(const QByteArray &bytes)
{
    const qint64 before = size();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(mFd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int code = n < 0 ? errno : ENOSPC;
            [[maybe_unused]] const int cut = ::ftruncate(mFd, before);
            return fail(code);
        }
        done += n;
    }
    // Some file systems only find out at the flush that the disk is full.
    if (::fdatasync(mFd) != 0) {
        const int code = errno;
        [[maybe_unused]] const int cut = ::ftruncate(mFd, before);
        return fail(code);
    }
    return true;
}
