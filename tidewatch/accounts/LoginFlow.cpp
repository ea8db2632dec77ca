// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/LoginFlow.h"

#include "accounts/AccountFile.h"
#include "accounts/LoginRules.h"
#include "accounts/LoginView.h"
#include "board/GameState.h"

LoginFlow::LoginFlow(GameTable &game, LoginView &view)
    : mGame(game)
    , mView(view)
    , mCaption(LoginRules::createCaption())
{
}

void LoginFlow::load(const QString &accountFile)
{
    mAccountFile = accountFile;
    const AccountList accounts = readAccountFile(accountFile);
    for (qsizetype i = 0; i < accounts.names.size() && i < LoginRules::kMaxAccounts; ++i)
        addAccount(accounts.names[i], accounts.passwords[i]);
}

void LoginFlow::nameChanged(const QString &name)
{
    mCaption = LoginRules::captionFor(mGame.state().gPlayerNames, name);
    mView.setLoginCaption(mCaption);
}

void LoginFlow::submit(const QString &name, const QString &password)
{
    if (mCaption == LoginRules::createCaption())
        createAccount(name, password);
    else
        logIn(name, password);
}

void LoginFlow::logIn(const QString &name, const QString &password)
{
    GameState &state = mGame.state();
    const int position = LoginRules::findAccount(state.gPlayerNames, state.gPlayerPasswords, name,
                                                 password);
    if (position == 0) {
        mGame.warn(tr("The Entered Password is Incorrect or Invalid"));
        return;
    }
    state.gPlayerName = state.gPlayerNames[position - 1];
    mGame.showScreen(Screen::GameType);
}

void LoginFlow::createAccount(const QString &name, const QString &password)
{
    if (const QString refusal = LoginRules::creationRefusal(mGame.state().gPlayerNames, name, password);
        !refusal.isEmpty()) {
        mGame.warn(refusal);
        return;
    }
    // The file first: an account that could not be saved is not offered either, so
    // the list and the file never disagree.
    QString error;
    QString notice;
    if (!appendAccount(mAccountFile, name, password, &error, &notice)) {
        //: A message box; %1 says why, as in "the disk is full"
        mGame.warn(tr("The account could not be saved: %1").arg(error));
        return;
    }
    if (!notice.isEmpty())
        mGame.inform(notice);
    addAccount(name, password);
    nameChanged(name);
}

void LoginFlow::addAccount(const QString &name, const QString &password)
{
    GameState &state = mGame.state();
    ++state.gPlayerCount;
    state.gPlayerNames.append(name);
    state.gPlayerPasswords.append(password);
    mView.addAccountName(name);
}

void LoginFlow::logOff()
{
    mGame.state().gPlayerName.clear();
    mGame.showScreen(Screen::Login);
}
