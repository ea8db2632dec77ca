// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/GameLink.h"

class Winsock;

// The game's connection over the window's two sockets: wskMain listens, wskGame
// carries the game, both on the game's port. It exists so that the flow speaks of one
// game line, which a test replaces, instead of two socket controls and their states.
class WinsockLink final : public GameLink
{
public:
    WinsockLink(Winsock &wskMain, Winsock &wskGame);

    QString localHostName() const override;
    QString localIP() const override;
    void listen() override;
    bool listening() const override;
    void stopListening() override;
    bool gameLineFree() const override;
    void accept(qintptr requestID) override;
    void connectTo(const QString &host) override;
    bool connected() const override;
    void send(const QByteArray &bytes) override;
    QByteArray read(qint64 most) override;
    qint64 bytesWaiting() const override;
    void raiseDataArrival() override;
    void close() override;

private:
    Winsock &mMain;
    Winsock &mGame;
};
