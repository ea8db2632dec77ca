// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// One open regular file, by its POSIX descriptor. Opening never waits: a FIFO or a
// device in the file's place is refused at once (a FIFO would otherwise block open()
// until some writer came).
class PlainFile
{
public:
    enum class Mode { Read, Append };

    // `name` is how the file is called in the error texts, "the account file" for one.
    explicit PlainFile(QString name);
    ~PlainFile();
    PlainFile(const PlainFile &) = delete;
    PlainFile &operator=(const PlainFile &) = delete;

    // Append creates the file, owner read/write only, when it is missing.
    bool open(const QString &path, Mode mode);
    int descriptor() const { return mFd; }
    QString error() const { return mError; }

    // An advisory lock on the whole file, released on close; other writers wait for
    // it. Gives up after a few seconds rather than freeze the window.
    bool lockExclusive();
    // Takes away what group and others may do; true when there was something to take.
    bool makeOwnerOnly();
    qint64 size();
    // Every byte written and on the disk, or false with the file cut back to its size
    // before the call.
    bool append(const QByteArray &bytes);

private:
    bool fail(int code);

    QString mName;
    int mFd = -1;
    QString mError;
};

// What a failed file operation means to a player; a full disk says so.
QString DescribeFileFailure(int code);
