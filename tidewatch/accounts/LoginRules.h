// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The log-in panel's decisions, free of widgets.
namespace LoginRules {

// The log-in button's captions, in English; the button shows them translated.
//: The log-in button when the name typed is an account's
inline constexpr char kCaptionLoginText[] = QT_TRANSLATE_NOOP("LoginRules", "Login");
//: The log-in button when the name typed is new
inline constexpr char kCaptionCreateText[] = QT_TRANSLATE_NOOP("LoginRules", "Create Player");
inline const QString kCaptionLogin = QString::fromLatin1(kCaptionLoginText);
inline const QString kCaptionCreate = QString::fromLatin1(kCaptionCreateText);

inline QString createCaption() { return QCoreApplication::translate("LoginRules", kCaptionCreateText); }

// "Login" when the typed name equals an account name exactly, else "Create Player", translated.
QString captionFor(const QStringList &names, const QString &typedName);

// 1-based position of the first account whose name and password both match; 0 if none.
int findAccount(const QStringList &names, const QStringList &passwords, const QString &name,
                const QString &password);

// Why a new account cannot be created, or empty when it can. Checked in this order:
// blank name, blank password, line breaks, characters the 8-bit file cannot hold,
// the network messages' field separator, the 32,767-account limit, and values longer than a line of the file may be.
// Blank means empty once leading and trailing spaces are removed.
QString creationRefusal(const QStringList &names, const QString &name, const QString &password);

constexpr int kMaxAccounts = 32767;

} // namespace LoginRules
