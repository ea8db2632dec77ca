// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the server screen shows of the waiting game.
class ServerView
{
public:
    virtual void setServerStatus(const QString &text) = 0;
    virtual void setServerAddress(const QString &text) = 0;

protected:
    ~ServerView() = default;
};

// What the chat log shows.
class ChatView
{
public:
    // Lines joined by '\n', each made safe and cut as the log shows it.
    virtual void appendChatLines(const QString &lines) = 0;

protected:
    ~ChatView() = default;
};
