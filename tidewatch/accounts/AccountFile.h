// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// players.txt: two lines per account (name, then password), CR LF, 8-bit text.
struct AccountList
{
    QStringList names;
    QStringList passwords;
};

// The file is hostile input: a line longer than this makes its account unreadable
// (it is skipped, the lines after it stay paired), and reading stops after
// LoginRules::kMaxAccounts accounts, so memory stays bounded.
constexpr qsizetype kMaxAccountLineLength = 1024;

// What one line of the file can hold.
bool hasLineBreak(const QString &value);

// A missing folder or file, or anything but a regular file in its place (a symbolic
// link too), gives an empty list at once; an incomplete last account is ignored.
// Lines may end in CR LF or LF alone.
AccountList readAccountFile(const QString &path);

// Appends one account, creating the folder and the file (owner read/write only) when
// missing, under an exclusive lock on the file. Returns false with a description in
// `error` when nothing could be saved (a read-only file or folder, a full disk, a
// lock another program keeps, a symbolic link, FIFO or device in the file's place);
// the file is then left as it was. A name or password that the file cannot hold (a
// line break, a character outside Latin-1, a line too long) is refused the same way.
// Nothing already in the file is changed: a line left unpaired at its end gets a
// partner line that the reader skips, so the new account reads back as itself. An
// existing file that others could read is made owner-only, and `notice` then says so.
bool appendAccount(const QString &path, const QString &name, const QString &password,
                   QString *error, QString *notice = nullptr);
