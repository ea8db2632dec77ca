// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class GameTable;
class LoginView;

// Log-in and accounts: the account list read at start, the button's caption, logging
// in, creating an account and logging off.
class LoginFlow
{
    Q_DECLARE_TR_FUNCTIONS(LoginFlow)

public:
    LoginFlow(GameTable &game, LoginView &view);

    // New accounts are appended to the file read.
    void load(const QString &accountFile);
    void nameChanged(const QString &name);
    // The log-in button, or Enter in the password box.
    void submit(const QString &name, const QString &password);
    void logOff();

    const QString &accountFile() const { return mAccountFile; }

private:
    void logIn(const QString &name, const QString &password);
    void createAccount(const QString &name, const QString &password);
    void addAccount(const QString &name, const QString &password);

    GameTable &mGame;
    LoginView &mView;
    QString mAccountFile;
    QString mCaption;
};
