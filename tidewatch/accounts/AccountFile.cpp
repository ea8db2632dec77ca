// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/AccountFile.h"

#include "accounts/LoginRules.h"
#include "accounts/PlainFile.h"
#include "accounts/TypedText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <unistd.h>

namespace {

constexpr qint64 kScanChunk = 64 * 1024;

// How the file is called in messages.
QString accountFileName(const QString &path)
{
    //: How error texts name the account file; %1 is its path
    return QCoreApplication::translate("AccountFile", "the account file %1")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

// Stands in for the partner of a line left unpaired at the file's end. It is longer
// than any value, so the reader skips it together with that line, and the accounts
// after it pair up as written.
QByteArray pairingMarker()
{
    QByteArray marker("# The line above has no partner; this line pairs with it so that the "
                      "accounts below read as written. ");
    marker.append(kMaxAccountLineLength + 1 - marker.size(), '-');
    return marker;
}

struct LineRead
{
    enum Status { Line, TooLong, End };
    Status status = End;
    QByteArray bytes;
};

void dropLineEnd(QByteArray &line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
}

// One line of at most kMaxAccountLineLength bytes; a longer one is read past, not kept.
LineRead readBoundedLine(QFile &file)
{
    LineRead read;
    if (file.atEnd())
        return read;
    // Room for the longest value, its CR LF, and one byte to notice an overlong line.
    const qint64 chunk = kMaxAccountLineLength + 3;
    read.bytes = file.readLine(chunk);
    read.status = LineRead::Line;
    while (!read.bytes.endsWith('\n') && !file.atEnd()) {
        read.status = LineRead::TooLong;
        read.bytes = file.readLine(chunk);
    }
    dropLineEnd(read.bytes);
    if (read.status == LineRead::TooLong || read.bytes.size() > kMaxAccountLineLength) {
        read.status = LineRead::TooLong;
        read.bytes.clear();
    }
    return read;
}

// How many lines the file holds and whether its last one is ended.
struct FileEnd
{
    qint64 lines = 0;
    bool endsWithNewline = true;
};

FileEnd scanFileEnd(int fd)
{
    qint64 newlines = 0;
    qint64 offset = 0;
    char lastByte = '\n';
    QByteArray chunk(kScanChunk, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::pread(fd, chunk.data(), size_t(chunk.size()), offset);
        if (n <= 0)
            break;
        newlines += std::count(chunk.constData(), chunk.constData() + n, '\n');
        lastByte = chunk.at(qsizetype(n) - 1);
        offset += n;
    }
    FileEnd end;
    end.endsWithNewline = lastByte == '\n';
    end.lines = newlines + (end.endsWithNewline ? 0 : 1);
    return end;
}

bool refuse(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString valueProblem(const QString &value)
{
    if (hasLineBreak(value))
        return QCoreApplication::translate("AccountFile", "a name or password cannot hold a line break");
    if (!isLatin1(value))
        return QCoreApplication::translate("AccountFile", "a name or password can only use Latin-1 characters");
    if (value.size() > kMaxAccountLineLength)
        //: %n is the longest a name or password may be, in characters
        return QCoreApplication::translate("AccountFile", "a name or password is longer than %n characters", nullptr,
                                           int(kMaxAccountLineLength));
    return {};
}

} // namespace

bool hasLineBreak(const QString &value)
{
    return value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
}

AccountList readAccountFile(const QString &path)
{
    AccountList accounts;
    PlainFile plain(accountFileName(path));
    QFile file;
    if (!plain.open(path, PlainFile::Mode::Read)
        || !file.open(plain.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return accounts;
    while (accounts.names.size() < LoginRules::kMaxAccounts) {
        const LineRead name = readBoundedLine(file);
        if (name.status == LineRead::End)
            break;
        const LineRead password = readBoundedLine(file);
        if (password.status == LineRead::End)
            break;
        if (name.status == LineRead::TooLong || password.status == LineRead::TooLong)
            continue;
        accounts.names.append(QString::fromLatin1(name.bytes));
        accounts.passwords.append(QString::fromLatin1(password.bytes));
    }
    return accounts;
}

bool appendAccount(const QString &path, const QString &name, const QString &password,
                   QString *error, QString *notice)
{
    for (const QString *value : {&name, &password}) {
        const QString problem = valueProblem(*value);
        if (!problem.isEmpty())
            return refuse(error, problem);
    }

    QString problem;
    if (!makeFolderOf(path, &problem))
        return refuse(error, problem);

    // From reading the file's end to the end of the write no other writer may append,
    // or the two would decide on the same end and one account would be lost.
    PlainFile file(accountFileName(path));
    if (!file.open(path, PlainFile::Mode::Append) || !file.lockExclusive())
        return refuse(error, file.error());
    // The file holds passwords in plain text.
    if (file.makeOwnerOnly() && notice)
        *notice = QCoreApplication::translate("AccountFile", "The account file %1 was readable by other users; "
                                                             "it is now readable by you only.")
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));

    const FileEnd end = scanFileEnd(file.descriptor());
    QByteArray bytes;
    if (!end.endsWithNewline)
        bytes = "\r\n";
    if (end.lines % 2 == 1)
        bytes += pairingMarker() + "\r\n";
    bytes += name.toLatin1() + "\r\n" + password.toLatin1() + "\r\n";
    return file.append(bytes) || refuse(error, file.error());
}
