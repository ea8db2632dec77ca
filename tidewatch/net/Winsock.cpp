#include "net/Winsock.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <utility>

namespace {

// What a flooding peer can make us hold at once; beyond it the bytes wait in the
// kernel and TCP slows the sender down.
constexpr qint64 kReadBufferSize = 256 * 1024;

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
// can adopt it.
class RequestServer final : public QTcpServer
{
public:
    RequestServer(std::function<void(qintptr)> onRequest, QObject *parent)
        : QTcpServer(parent), mOnRequest(std::move(onRequest))
    {
    }

protected:
    void incomingConnection(qintptr socketDescriptor) override { mOnRequest(socketDescriptor); }

private:
    std::function<void(qintptr)> mOnRequest;
};

} // namespace

Winsock::Winsock(QObject *parent)
    : QObject(parent)
{
}

Winsock::~Winsock()
{
    Close();
}

template <class Emit>
void Winsock::post(Emit emitEvent)
{
    QMetaObject::invokeMethod(this, [this, generation = mGeneration, emitEvent] {
        if (generation == mGeneration)
            emitEvent();
    }, Qt::QueuedConnection);
}

void Winsock::raiseError(const QString &description)
{
    mFailed = true;
    post([this, description] { emit Error(description); });
}

void Winsock::Close()
{
    ++mGeneration;
    if (mServer) {
        // Close (or even deleting this object) can happen in a ConnectionRequest handler,
        // inside the server's own notification, so the server has to outlive this call.
        mServer->close();
        mServer->setParent(nullptr);
        mServer->deleteLater();
        mServer = nullptr;
    }
    if (mSocket) {
        mSocket->disconnect(this);
        mSocket->abort();
        mSocket->deleteLater();
        mSocket = nullptr;
    }
    mFailed = false;
    mPeerClosed = false;
}

void Winsock::setLocalPort(quint16 port)
{
    mLocalPort = port;
}

quint16 Winsock::LocalPort() const
{
    return mLocalPort;
}

void Winsock::Listen()
{
    Close();
    auto *server = new RequestServer([this](qintptr requestID) { announceRequest(requestID); }, this);
    if (!server->listen(QHostAddress::Any, mLocalPort)) {
        const QString description = server->errorString();
        delete server;
        raiseError(description);
        return;
    }
    mServer = server;
}

void Winsock::announceRequest(qintptr requestID)
{
    unclaimedRequests().insert(requestID);
    emit ConnectionRequest(requestID);
    if (unclaimedRequests().remove(requestID))
        closeDescriptor(requestID);
}

int Winsock::State() const
{
    if (mServer && mServer->isListening())
        return sckListening;
    if (mFailed)
        return sckError;
    if (!mSocket || mPeerClosed)
        return sckClosed;
    switch (mSocket->state()) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        return sckConnecting;
    case QAbstractSocket::ConnectedState:
        return sckConnected;
    default:
        return sckClosed;
    }
}

void Winsock::Accept(qintptr requestID)
{
    // Only a descriptor this class accepted itself may be adopted, never any number.
    if (!unclaimedRequests().remove(requestID)) {
        raiseError(tr("There is no pending connection request %1.").arg(requestID));
        return;
    }
    Close();
    auto *socket = new QTcpSocket(this);
    adoptSocket(socket);
    if (!socket->setSocketDescriptor(requestID))
        raiseError(socket->errorString());
}

void Winsock::setRemotePort(quint16 port)
{
    mRemotePort = port;
}

void Winsock::setRemoteHost(const QString &host)
{
    mRemoteHost = host;
}

void Winsock::Connect()
{
    Close();
    auto *socket = new QTcpSocket(this);
    adoptSocket(socket);
    socket->connectToHost(mRemoteHost, mRemotePort);
}

void Winsock::adoptSocket(QTcpSocket *socket)
{
    mSocket = socket;
    socket->setReadBufferSize(kReadBufferSize);
    connect(socket, &QTcpSocket::connected, this, [this] { post([this] { emit Connected(); }); });
    connect(socket, &QTcpSocket::readyRead, this, [this] {
        post([this] {
            // An earlier handler may already have read these bytes.
            const qint64 waiting = mSocket ? mSocket->bytesAvailable() : 0;
            if (waiting > 0)
                emit DataArrival(waiting);
        });
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // A plain close by the other side is reported as PeerClosed alone.
        if (error != QAbstractSocket::RemoteHostClosedError)
            raiseError(socket->errorString());
    });
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        mPeerClosed = true;
        post([this] { emit PeerClosed(); });
    });
}

void Winsock::SendData(const QByteArray &data)
{
    if (State() == sckConnected)
        mSocket->write(data);
}

QByteArray Winsock::GetData(qint64 bytes)
{
    if (!mSocket || bytes <= 0)
        return {};
    return mSocket->read(bytes);
}

QString Winsock::LocalHostName() const
{
    return QHostInfo::localHostName();
}

QString Winsock::LocalIP() const
{
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    for (const QHostAddress &address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QStringLiteral("127.0.0.1");
}
