#pragma once

#include <QString>

// What the server screen and the chat log show.
class NetworkView
{
public:
    virtual void setServerStatus(const QString &text) = 0;
    virtual void setServerAddress(const QString &text) = 0;
    virtual void appendChatLine(const QString &line) = 0;

protected:
    ~NetworkView() = default;
};
