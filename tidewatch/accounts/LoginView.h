// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the log-in screen shows of the accounts.
class LoginView
{
public:
    // A new last name in the list; what the player has typed stays.
    virtual void addAccountName(const QString &name) = 0;
    virtual void setLoginCaption(const QString &caption) = 0;

protected:
    ~LoginView() = default;
};
