#pragma once

#include <QString>
#include <QStringList>

// players.txt: two lines per account (name, then password), CR LF, 8-bit text.
struct AccountList
{
    QStringList names;
    QStringList passwords;
};

// A missing folder or file gives an empty list; an incomplete last account is ignored.
// Lines may end in CR LF or LF alone.
AccountList ReadAccountFile(const QString &path);

// Appends one account, creating the folder and the file (owner read/write only) when
// missing. Returns false with a description in `error` when nothing could be saved;
// the file is then left as it was.
bool AppendAccount(const QString &path, const QString &name, const QString &password,
                   QString *error);
