// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/PlainFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLockTries = 150;
constexpr int kLockRetryMs = 20;

// Root may write anywhere, but a file or folder its owner may not write is left alone.
bool markedReadOnly(const struct stat &info)
{
    return (info.st_mode & S_IWUSR) == 0;
}

bool isSymbolicLink(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool isRegularFile(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// 0 once every byte is written and on the disk, or what stopped it.
int writeFully(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    // Some file systems only find out at the flush that the disk is full.
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

} // namespace

QString describeFileFailure(int code)
{
    if (code == ENOSPC || code == EDQUOT)
        //: Why a file could not be written, as in "The account could not be saved: the disk is full"
        return QCoreApplication::translate("PlainFile", "the disk is full");
    if (code == EROFS)
        return QCoreApplication::translate("PlainFile", "the disk is read-only");
    return QString::fromLocal8Bit(std::strerror(code));
}

bool makeFolderOf(const QString &filePath, QString *error)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (QDir().mkpath(folder))
        return true;
    *error = QCoreApplication::translate("PlainFile", "the folder %1 could not be created").arg(QDir::toNativeSeparators(folder));
    return false;
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
    return refuse(describeFileFailure(code));
}

bool PlainFile::refuse(const QString &text)
{
    if (mFd >= 0)
        ::close(mFd);
    mFd = -1;
    mError = text;
    return false;
}

bool PlainFile::folderWritable()
{
    const QString folder = QFileInfo(mPath).absolutePath();
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return fail(errno);
    if (markedReadOnly(info) || ::access(name.constData(), W_OK) != 0)
        return refuse(tr("the folder %1 is read-only").arg(QDir::toNativeSeparators(folder)));
    return true;
}

bool PlainFile::open(const QString &path, Mode mode)
{
    mPath = path;
    mMode = mode;
    // A new file is put in its place through the folder.
    if (mode == Mode::Replace && !folderWritable())
        return false;
    return openDescriptor();
}

bool PlainFile::openDescriptor()
{
    if (mFd >= 0)
        ::close(mFd);
    const QByteArray name = QFile::encodeName(mPath);
    //: %1 names the file, as in "the account file /home/sam/.tidewatch/accounts.txt"
    const QString notPlain = tr("%1 is not a plain file").arg(mName);
    const QString readOnly = tr("%1 is read-only").arg(mName);
    const int never = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC; // follow a link, or wait
    const int flags = mMode == Mode::Read    ? O_RDONLY
                      : mMode == Mode::Append ? O_RDWR | O_APPEND
                                              : O_RDWR;
    mFd = ::open(name.constData(), flags | never);
    if (mFd < 0 && errno == ENOENT && mMode != Mode::Read) {
        if (!folderWritable())
            return false;
        mFd = ::open(name.constData(), flags | never | O_CREAT | O_EXCL, 0600);
        if (mFd < 0 && errno == EEXIST) // another writer made it just now
            mFd = ::open(name.constData(), flags | never);
    }
    if (mFd < 0) {
        const int code = errno;
        if (code == ELOOP && isSymbolicLink(name))
            return refuse(tr("%1 is a symbolic link, not a plain file").arg(mName));
        if (code == EISDIR || code == ENXIO)
            return refuse(notPlain);
        if ((code == EACCES || code == EPERM) && mMode != Mode::Read && isRegularFile(name))
            return refuse(readOnly);
        return fail(code);
    }
    struct stat info {};
    if (::fstat(mFd, &info) != 0)
        return fail(errno);
    if (!S_ISREG(info.st_mode))
        return refuse(notPlain);
    if (mMode != Mode::Read && markedReadOnly(info))
        return refuse(readOnly);
    return true;
}

bool PlainFile::stillAtPath() const
{
    struct stat held {};
    struct stat named {};
    return ::fstat(mFd, &held) == 0 && ::lstat(QFile::encodeName(mPath).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

bool PlainFile::lockExclusive()
{
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        if (::flock(mFd, LOCK_EX | LOCK_NB) == 0) {
            if (stillAtPath())
                return true;
            // Another writer put a new file in its place while this one waited.
            if (!openDescriptor())
                return false;
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return fail(errno);
        QThread::msleep(kLockRetryMs);
    }
    return refuse(tr("%1 is in use by another program").arg(mName));
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
    if (const int code = writeFully(mFd, bytes); code != 0) {
        [[maybe_unused]] const int cut = ::ftruncate(mFd, before);
        return fail(code);
    }
    return true;
}

bool PlainFile::replace(const QByteArray &bytes)
{
    // mkostemp makes a new file, owner read/write only, and never goes through a link.
    QByteArray temporary = QFile::encodeName(mPath) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    int code = writeFully(fd, bytes);
    if (code == 0 && ::rename(temporary.constData(), QFile::encodeName(mPath).constData()) != 0)
        code = errno;
    ::close(fd);
    if (code == 0)
        return true;
    ::unlink(temporary.constData());
    return fail(code);
}
