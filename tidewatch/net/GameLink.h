// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The connection as the network flow uses it: the server's listening socket and the
// socket that carries the game, both on the game's port. The window's sockets stand
// behind it; a test joins two flows in memory instead.
class GameLink
{
public:
    virtual QString localHostName() const = 0;
    virtual QString localIP() const = 0;
    // Drops a listener and a game connection left over, then listens for a client.
    virtual void listen() = 0;
    virtual bool listening() const = 0;
    virtual void stopListening() = 0;
    // Whether no game connection exists or is under way.
    virtual bool gameLineFree() const = 0;
    // Takes the connection a request announced; only from inside its handler.
    virtual void accept(qintptr requestID) = 0;
    // Drops the game connection, then connects to the host as typed.
    virtual void connectTo(const QString &host) = 0;
    virtual bool connected() const = 0;
    virtual void send(const QByteArray &bytes) = 0;
    // At most `most` of the bytes that have arrived.
    virtual QByteArray read(qint64 most) = 0;
    virtual qint64 bytesWaiting() const = 0;
    // The arrival event again, on a later pass, when bytes are waiting.
    virtual void raiseDataArrival() = 0;
    virtual void close() = 0;

protected:
    ~GameLink() = default;
};
