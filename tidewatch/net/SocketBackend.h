// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// What a socket backend reports, each from inside the socket's own notification;
// Winsock turns them into its events.
struct SocketEvents
{
    std::function<void(qintptr requestID)> request; // accepted, owned by nobody until claimed
    std::function<void()> connected;
    std::function<void()> readyRead;
    std::function<void(const QString &description)> failed; // not for a plain close by the peer
    std::function<void()> peerClosed;
};

// Winsock's TCP side. It lives in a library of its own (tidewatch_net), loaded when the
// game first needs the network, so that the log-in screen opens without Qt Network.
class SocketBackend
{
public:
    virtual ~SocketBackend() = default;

    // Ends the server and the connection; nothing is reported for them afterwards.
    virtual void close() = 0;
    virtual void listen(quint16 port) = 0;
    // Takes a request announced by any backend of the process; false when there is none.
    virtual bool claim(qintptr requestID) = 0;
    virtual void adopt(qintptr requestID) = 0;
    virtual void connectTo(const QString &host, quint16 port) = 0;
    // A Winsock::StateValue that knows nothing of failures or of the peer's close.
    virtual int state() const = 0;
    virtual void write(const QByteArray &data) = 0;
    virtual QByteArray read(qint64 bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QString localIP() const = 0;
};

// The one symbol the network library exports: makes a backend the caller owns.
using SocketBackendFactory = SocketBackend *(*)(const SocketEvents &events);
inline constexpr char kSocketBackendFactoryName[] = "tidewatch_create_socket_backend";
