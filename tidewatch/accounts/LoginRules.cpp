// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/LoginRules.h"

#include "accounts/AccountFile.h"
#include "accounts/TypedText.h"
#include "board/GameState.h"

#include <algorithm>

namespace LoginRules {

QString captionFor(const QStringList &names, const QString &typedName)
{
    return names.contains(typedName, Qt::CaseSensitive)
               ? QCoreApplication::translate("LoginRules", kCaptionLoginText)
               : createCaption();
}

int findAccount(const QStringList &names, const QStringList &passwords, const QString &name,
                const QString &password)
{
    const qsizetype count = std::min(names.size(), passwords.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (names[i] == name && passwords[i] == password)
            return int(i + 1);
    }
    return 0;
}

QString creationRefusal(const QStringList &names, const QString &name, const QString &password)
{
    if (isBlank(name))
        return QCoreApplication::translate("LoginRules", "You Must Enter a Username");
    if (isBlank(password))
        return QCoreApplication::translate("LoginRules", "You Must Enter a Password");
    if (hasLineBreak(name) || hasLineBreak(password))
        return QCoreApplication::translate("LoginRules", "A Username or Password Cannot Contain a Line Break");
    if (!isLatin1(name) || !isLatin1(password))
        return QCoreApplication::translate(
            "LoginRules", "A Username or Password Can Only Use Western European (Latin-1) Characters");
    // The file could hold it, but the name goes into network messages, where this
    // byte ends a field: the opponent would read a cut name and a stray field.
    const QChar separator = QLatin1Char(kFieldSeparator);
    if (name.contains(separator) || password.contains(separator))
        return QCoreApplication::translate("LoginRules", "A Username or Password Cannot Contain ¶ (It Separates the "
                                                         "Parts of Network Messages)");
    if (names.size() >= kMaxAccounts)
        //: %1 is the number of accounts the file can hold
        return QCoreApplication::translate("LoginRules", "No More Players Can Be Created: the Limit is %1")
            .arg(kMaxAccounts);
    if (name.size() > kMaxAccountLineLength || password.size() > kMaxAccountLineLength)
        //: %n is the longest a name or password may be, in characters
        return QCoreApplication::translate("LoginRules", "A Username or Password Can Be at Most %n Characters Long",
                                           nullptr, int(kMaxAccountLineLength));
    return {};
}

} // namespace LoginRules
