// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/Winsock.h"

#include "net/SocketBackend.h"
#include "system/ModuleLoader.h"

#include <QSysInfo>

Winsock::Winsock(QObject *parent)
    : QObject(parent)
{
}

Winsock::~Winsock() = default;

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

namespace {

QString &moduleName()
{
    static QString name = QStringLiteral("libtidewatch_net");
    return name;
}

} // namespace

void Winsock::setModuleName(const QString &name)
{
    moduleName() = name;
}

SocketBackend *Winsock::backend()
{
    if (mBackend)
        return mBackend.get();
    const SocketEvents events{
        .request = [this](qintptr requestID) { emit ConnectionRequest(requestID); },
        .connected = [this] { post([this] { emit Connected(); }); },
        .readyRead = [this] { raiseDataArrival(); },
        .failed = [this](const QString &description) { raiseError(description); },
        .peerClosed =
            [this] {
                mPeerClosed = true;
                post([this] { emit peerClosed(); });
            },
    };
    QString reasons;
    const auto create = reinterpret_cast<SocketBackendFactory>(
        resolveModuleSymbol(moduleName(), kSocketBackendFactoryName, &reasons));
    if (!create) {
        raiseError(tr("The network library %1 could not be loaded: %2").arg(moduleName(), reasons));
        return nullptr;
    }
    mBackend.reset(create(events));
    return mBackend.get();
}

void Winsock::raiseDataArrival()
{
    if (mArrivalRaised || !mBackend)
        return;
    mArrivalRaised = true;
    post([this] {
        mArrivalRaised = false;
        // An earlier handler may already have read these bytes.
        const qint64 waiting = mBackend->bytesAvailable();
        if (waiting > 0)
            emit DataArrival(waiting);
    });
}

void Winsock::Close()
{
    ++mGeneration;
    mArrivalRaised = false; // its event was for the old socket
    if (mBackend)
        mBackend->close();
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
    if (SocketBackend *sockets = backend())
        sockets->listen(mLocalPort);
}

int Winsock::State() const
{
    const int socketState = mBackend ? mBackend->state() : sckClosed;
    if (socketState == sckListening)
        return sckListening;
    if (mFailed)
        return sckError;
    return mPeerClosed ? sckClosed : socketState;
}

void Winsock::Accept(qintptr requestID)
{
    SocketBackend *sockets = backend();
    if (!sockets)
        return;
    // Only a descriptor this class accepted itself may be adopted, never any number.
    if (!sockets->claim(requestID)) {
        raiseError(tr("There is no pending connection request %1.").arg(requestID));
        return;
    }
    Close();
    sockets->adopt(requestID);
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
    if (SocketBackend *sockets = backend())
        sockets->connectTo(mRemoteHost, mRemotePort);
}

void Winsock::SendData(const QByteArray &data)
{
    if (State() == sckConnected)
        mBackend->write(data);
}

QByteArray Winsock::GetData(qint64 bytes)
{
    if (!mBackend || bytes <= 0)
        return {};
    QByteArray data = mBackend->read(bytes);
    if (mBackend->bytesAvailable() > 0)
        raiseDataArrival(); // the rest, once the event loop has had a turn
    return data;
}

qint64 Winsock::bytesReceived() const
{
    return mBackend ? mBackend->bytesAvailable() : 0;
}

QString Winsock::LocalHostName() const
{
    return QSysInfo::machineHostName();
}

QString Winsock::LocalIP() const
{
    // Loading the library is no change a caller can see; a failure is raised as Error.
    SocketBackend *sockets = const_cast<Winsock *>(this)->backend();
    return sockets ? sockets->localIP() : QStringLiteral("127.0.0.1");
}
