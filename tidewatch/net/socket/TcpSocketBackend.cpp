// SPDX-License-Identifier: GPL-3.0-or-later
// Winsock's TCP side over QTcpServer and QTcpSocket (see net/SocketBackend.h).

#include "net/SocketBackend.h"
#include "net/Winsock.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QPointer>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>
#include <utility>

namespace {

// What a flooding peer can make us hold at once; beyond it the bytes wait in the
// kernel and TCP slows the sender down. A few passes' reading (Inbound::kReadPerPass).
constexpr qint64 kReadBufferSize = 64 * 1024;

// Accepted connections that no instance has taken yet. The program has one thread.
QSet<qintptr> &unclaimedRequests()
{
    static QSet<qintptr> requests;
    return requests;
}

void closeDescriptor(qintptr descriptor)
{
    QTcpSocket socket;
    if (socket.setSocketDescriptor(descriptor))
        socket.abort();
}

// Hands each accepted descriptor on instead of wrapping it, so that another instance
// can adopt it; what nobody claimed inside the handlers is closed.
class RequestServer final : public QTcpServer
{
public:
    explicit RequestServer(std::function<void(qintptr)> onRequest)
        : mOnRequest(std::move(onRequest))
    {
    }

protected:
    void incomingConnection(qintptr socketDescriptor) override
    {
        unclaimedRequests().insert(socketDescriptor);
        mOnRequest(socketDescriptor); // may close or delete the Winsock, never this server
        if (unclaimedRequests().remove(socketDescriptor))
            closeDescriptor(socketDescriptor);
    }

private:
    std::function<void(qintptr)> mOnRequest;
};

class TcpSocketBackend final : public SocketBackend
{
public:
    explicit TcpSocketBackend(SocketEvents events)
        : mEvents(std::move(events))
    {
    }

    ~TcpSocketBackend() override { close(); }

    void close() override
    {
        if (mServer) {
            // Close can happen in a ConnectionRequest handler, inside the server's own
            // notification, so the server has to outlive this call.
            mServer->close();
            mServer->deleteLater();
            mServer = nullptr;
        }
        if (mSocket) {
            mSocket->disconnect();
            mSocket->abort();
            mSocket->deleteLater();
            mSocket = nullptr;
        }
    }

    void listen(quint16 port) override
    {
        auto server = std::make_unique<RequestServer>(mEvents.request);
        if (!server->listen(QHostAddress::Any, port)) {
            mEvents.failed(server->errorString());
            return;
        }
        mServer = server.release();
    }

    bool claim(qintptr requestID) override { return unclaimedRequests().remove(requestID); }

    void adopt(qintptr requestID) override
    {
        QTcpSocket *socket = newSocket();
        if (!socket->setSocketDescriptor(requestID))
            mEvents.failed(socket->errorString());
    }

    void connectTo(const QString &host, quint16 port) override { newSocket()->connectToHost(host, port); }

    int state() const override
    {
        if (mServer && mServer->isListening())
            return Winsock::sckListening;
        if (!mSocket)
            return Winsock::sckClosed;
        switch (mSocket->state()) {
        case QAbstractSocket::HostLookupState:
        case QAbstractSocket::ConnectingState:
            return Winsock::sckConnecting;
        case QAbstractSocket::ConnectedState:
            return Winsock::sckConnected;
        default:
            return Winsock::sckClosed;
        }
    }

    void write(const QByteArray &data) override
    {
        if (mSocket)
            mSocket->write(data);
    }

    QByteArray read(qint64 bytes) override { return mSocket ? mSocket->read(bytes) : QByteArray(); }

    qint64 bytesAvailable() const override { return mSocket ? mSocket->bytesAvailable() : 0; }

    QString localIP() const override
    {
        // The address a friend can reach: an interface that is up with a link (not a
        // bridge without cable, as a container bridge often is), then any, then loopback.
        QString anyOther;
        const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
        for (const QNetworkInterface &interface : interfaces) {
            const bool linked = interface.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning);
            for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
                const QHostAddress address = entry.ip();
                if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback())
                    continue;
                if (linked && !address.isLinkLocal())
                    return address.toString();
                if (anyOther.isEmpty())
                    anyOther = address.toString();
            }
        }
        return anyOther.isEmpty() ? QStringLiteral("127.0.0.1") : anyOther;
    }

private:
    QTcpSocket *newSocket()
    {
        auto *socket = new QTcpSocket;
        mSocket = socket;
        socket->setReadBufferSize(kReadBufferSize);
        QObject::connect(socket, &QTcpSocket::connected, socket, mEvents.connected);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, mEvents.readyRead);
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [this, socket](QAbstractSocket::SocketError error) {
            // A plain close by the other side is reported as peerClosed alone.
            if (error != QAbstractSocket::RemoteHostClosedError)
                mEvents.failed(socket->errorString());
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, mEvents.peerClosed);
        return socket;
    }

    SocketEvents mEvents;
    QPointer<QTcpServer> mServer; // both deleted later: a close can come from their own signals
    QPointer<QTcpSocket> mSocket;
};

} // namespace

extern "C" Q_DECL_EXPORT SocketBackend *tidewatch_create_socket_backend(const SocketEvents &events)
{
    return new TcpSocketBackend(events);
}
