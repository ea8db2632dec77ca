#include "accounts/AccountFile.h"

#include "accounts/LoginRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr qint64 kScanChunk = 64 * 1024;

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

// Where the file's last line starts, and whether the lines pair up.
struct FileEnd
{
    qint64 lines = 0;
    bool endsWithNewline = true;
    qint64 lastLineStart = 0;
};

FileEnd scanFileEnd(QFile &file)
{
    FileEnd end;
    qint64 lastNewline = -1;
    qint64 newlineBefore = -1;
    qint64 newlines = 0;
    qint64 offset = 0;
    char lastByte = '\n';
    file.seek(0);
    while (true) {
        const QByteArray chunk = file.read(kScanChunk);
        if (chunk.isEmpty())
            break;
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            if (chunk[i] == '\n') {
                newlineBefore = lastNewline;
                lastNewline = offset + i;
                ++newlines;
            }
        }
        lastByte = chunk.back();
        offset += chunk.size();
    }
    end.endsWithNewline = offset == 0 || lastByte == '\n';
    end.lines = newlines + (end.endsWithNewline ? 0 : 1);
    end.lastLineStart = (end.endsWithNewline ? newlineBefore : lastNewline) + 1;
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
    if (HasLineBreak(value))
        return QStringLiteral("a name or password cannot hold a line break");
    if (!IsLatin1(value))
        return QStringLiteral("a name or password can only use Latin-1 characters");
    if (value.size() > kMaxAccountLineLength)
        return QStringLiteral("a name or password is longer than %1 characters")
            .arg(kMaxAccountLineLength);
    return {};
}

} // namespace

bool HasLineBreak(const QString &value)
{
    return value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
}

bool IsLatin1(const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

AccountList ReadAccountFile(const QString &path)
{
    AccountList accounts;
    QFile file(path);
    // A device or pipe may never end: only a plain file is read.
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
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

bool AppendAccount(const QString &path, const QString &name, const QString &password,
                   QString *error)
{
    for (const QString *value : {&name, &password}) {
        const QString problem = valueProblem(*value);
        if (!problem.isEmpty())
            return refuse(error, problem);
    }

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return refuse(error, QStringLiteral("the folder %1 could not be created")
                                 .arg(QDir::toNativeSeparators(info.absolutePath())));

    QFile file(path);
    const bool existed = file.exists();
    // The file holds passwords in plain text: only its owner may read it. Unbuffered,
    // so bytes that failed to go out are not written later, after the rollback.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered, kOwnerOnly))
        return refuse(error, file.errorString());
    if (file.isSequential())
        return refuse(error, QStringLiteral("the account file is not a plain file"));
    if (!existed)
        file.setPermissions(kOwnerOnly);

    const qint64 oldSize = file.size();
    const FileEnd end = scanFileEnd(file);
    qint64 writeAt = oldSize;
    QByteArray droppedTail;
    QByteArray bytes;
    if (end.lines % 2 == 1) {
        // A name without its password: the reader ignores it, and appending after it
        // would pair it with the new name. It is cut off; a line too long to be a
        // value means the file is damaged, and it is left alone.
        if (oldSize - end.lastLineStart > kMaxAccountLineLength + 2)
            return refuse(error, QStringLiteral("the account file is damaged at its end"));
        file.seek(end.lastLineStart);
        droppedTail = file.read(oldSize - end.lastLineStart);
        writeAt = end.lastLineStart;
    } else if (!end.endsWithNewline) {
        bytes = "\r\n";
    }
    bytes += name.toLatin1() + "\r\n" + password.toLatin1() + "\r\n";

    const bool written = file.resize(writeAt) && file.seek(writeAt)
        && file.write(bytes) == bytes.size();
    if (written)
        return true;

    const QString reason = file.errorString();
    file.resize(writeAt);
    if (!droppedTail.isEmpty() && file.seek(writeAt))
        file.write(droppedTail);
    file.close();
    if (!existed)
        QFile::remove(path);
    return refuse(error, reason);
}
