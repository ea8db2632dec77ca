// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/WinsockLink.h"

#include "net/Protocol.h"
#include "net/Winsock.h"

WinsockLink::WinsockLink(Winsock &wskMain, Winsock &wskGame)
    : mMain(wskMain)
    , mGame(wskGame)
{
}

QString WinsockLink::localHostName() const
{
    return mMain.LocalHostName();
}

QString WinsockLink::localIP() const
{
    return mMain.LocalIP();
}

void WinsockLink::listen()
{
    mMain.Close();
    mMain.setLocalPort(Protocol::kPort);
    mMain.Listen();
    mGame.Close();
    mGame.setLocalPort(Protocol::kPort);
}

bool WinsockLink::listening() const
{
    return mMain.State() == Winsock::sckListening;
}

void WinsockLink::stopListening()
{
    mMain.Close();
}

bool WinsockLink::gameLineFree() const
{
    return mGame.State() == Winsock::sckClosed;
}

void WinsockLink::accept(qintptr requestID)
{
    mGame.Accept(requestID);
}

void WinsockLink::connectTo(const QString &host)
{
    mGame.Close();
    mGame.setRemotePort(Protocol::kPort);
    mGame.setRemoteHost(host);
    mGame.Connect();
}

bool WinsockLink::connected() const
{
    return mGame.State() == Winsock::sckConnected;
}

void WinsockLink::send(const QByteArray &bytes)
{
    mGame.SendData(bytes);
}

QByteArray WinsockLink::read(qint64 most)
{
    return mGame.GetData(most);
}

qint64 WinsockLink::bytesWaiting() const
{
    return mGame.bytesReceived();
}

void WinsockLink::raiseDataArrival()
{
    mGame.raiseDataArrival();
}

void WinsockLink::close()
{
    mGame.Close();
}
