// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class SocketBackend;

// A small TCP socket control: the members and events the game expects of a
// Winsock-style control, over QTcpServer and QTcpSocket. Events arrive on the
// event loop, never from inside the call that caused them.
//
// ConnectionRequest hands out a connection that nobody owns yet: Accept it (on any
// instance) from inside the handler, or it is closed once the handlers return.
// When the other side ends an established connection, peerClosed is raised; a plain
// close raises no Error, a failure (such as a reset) raises Error first. Bytes that
// arrived before the close can still be read with GetData until Close.
//
// The sockets live in the network library, loaded by the first call that needs one;
// when it cannot be loaded, that call raises Error.
class Winsock : public QObject
{
    Q_OBJECT

public:
    enum StateValue { sckClosed = 0, sckListening = 2, sckConnecting = 6, sckConnected = 7, sckError = 9 };

    explicit Winsock(QObject *parent = nullptr);

    // Which network library to load (no suffix); tests name one that does not exist.
    static void setModuleName(const QString &name);
    ~Winsock() override;

    void Close();
    void setLocalPort(quint16 port);
    quint16 LocalPort() const;
    void Listen();                  // failure raises Error
    int State() const;
    void Accept(qintptr requestID); // takes the connection announced by ConnectionRequest
    void setRemotePort(quint16 port);
    void setRemoteHost(const QString &host);
    void Connect();
    void SendData(const QByteArray &data); // skipped when not connected
    QByteArray GetData(qint64 bytes);
    qint64 bytesReceived() const; // waiting to be read
    void raiseDataArrival();      // on a later pass, when bytes are waiting
    QString LocalHostName() const;
    QString LocalIP() const;

signals:
    void ConnectionRequest(qintptr requestID);
    void Connected();
    void DataArrival(qint64 bytesTotal);
    void Error(const QString &description);
    void peerClosed(); // the other side closed the connection

private:
    SocketBackend *backend();
    template <class Emit>
    void post(Emit emitEvent);
    void raiseError(const QString &description);

    std::unique_ptr<SocketBackend> mBackend; // made by the first call that needs a socket
    quint16 mLocalPort = 0;
    quint16 mRemotePort = 0;
    QString mRemoteHost;
    bool mFailed = false;     // the last operation ended in an error (State 9)
    bool mPeerClosed = false; // the connection was ended by the other side
    quint64 mGeneration = 0;  // bumped by Close: events still queued for the old socket are dropped
    bool mArrivalRaised = false; // one DataArrival at a time waits on the event loop
};
