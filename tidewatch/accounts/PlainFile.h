// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// One open regular file, by its POSIX descriptor. Opening never waits: a FIFO or a
// device in the file's place is refused at once (a FIFO would otherwise block open()
// until some writer came). A symbolic link is refused too, dangling or not, so nothing
// is ever read or written through one.
class PlainFile
{
    Q_DECLARE_TR_FUNCTIONS(PlainFile)

public:
    // Append adds to the end of the file; Replace reads it and puts a new whole file in
    // its place (replace()), which needs a writable folder as well.
    enum class Mode { Read, Append, Replace };

    // `name` is how the file is called in the error texts, "the account file" for one.
    explicit PlainFile(QString name);
    ~PlainFile();
    PlainFile(const PlainFile &) = delete;
    PlainFile &operator=(const PlainFile &) = delete;

    // Append and Replace create the file, owner read/write only, when it is missing,
    // and refuse a file or folder that is marked read-only (root included).
    bool open(const QString &path, Mode mode);
    int descriptor() const { return mFd; }
    QString error() const { return mError; }

    // An advisory lock on the whole file, released on close; other writers wait for
    // it. Gives up after a few seconds rather than freeze the window. Once locked, the
    // path still names this file: one replaced meanwhile is opened afresh.
    bool lockExclusive();
    // Takes away what group and others may do; true when there was something to take.
    bool makeOwnerOnly();
    qint64 size();
    // Every byte written and on the disk, or false with the file cut back to its size
    // before the call.
    bool append(const QByteArray &bytes);
    // The file becomes exactly `bytes`, owner read/write only, or stays as it was: the
    // new contents are written beside it in full first, then renamed over it.
    bool replace(const QByteArray &bytes);

private:
    bool fail(int code);
    bool refuse(const QString &text);
    bool folderWritable();
    bool openDescriptor();
    bool stillAtPath() const;

    QString mName;
    QString mPath;
    Mode mMode = Mode::Read;
    int mFd = -1;
    QString mError;
};

// What a failed file operation means to a player; a full disk says so.
QString describeFileFailure(int code);
// Makes the folder a file lives in, with the folders above it; false with `error`.
bool makeFolderOf(const QString &filePath, QString *error);
