// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/discovery/NetworkGame.h"
#include "net/discovery/SightingPool.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// Follows the games announced on the network through the Avahi daemon, resolving
// each to an address, live as they come and go. Everything it hears is untrusted:
// texts are cut to one short line, only a game on the game's port at an address of one
// host is listed, and what is held is bounded (SightingPool); what had no room is
// asked for again later by browsing anew.
class GameBrowser : public QObject
{
    Q_OBJECT

public:
    enum class Status { Stopped, Looking, Unavailable };

    explicit GameBrowser(const QDBusConnection &bus, QObject *parent = nullptr);
    ~GameBrowser() override;

    void start();
    void stop();
    Status status() const { return mStatus; }
    // The games resolved so far, in the order they were listed.
    std::vector<NetworkGame> games() const { return mPool.games(); }

signals:
    void changed(); // the games or the status

private slots:
    void itemNew(int interface, int protocol, const QString &name, const QString &type,
                 const QString &domain, uint flags);
    void itemRemove(int interface, int protocol, const QString &name, const QString &type,
                    const QString &domain, uint flags);
    void failure(const QString &error);

private:
    void browse();
    void browserMade(QDBusPendingCallWatcher *watcher, quint64 generation);
    void hook(const QString &browserPath, bool on);
    void resolveWaiting();
    void resolved(QDBusPendingCallWatcher *watcher, quint64 generation, const ServiceKey &key);
    void askAgainAfterMisses(bool slotFreed);
    void setStatus(Status status);
    void forgetAll();

    QDBusConnection mBus;
    QDBusServiceWatcher *mDaemonWatcher = nullptr; // a daemon (re)started is browsed again
    Status mStatus = Status::Stopped;
    QString mBrowserPath;
    SightingPool mPool;
    QElapsedTimer mClock;
    QTimer mNextResolves; // gives slow resolves' places to those waiting
    QTimer mAskAgain;     // browses again for what was missed
    quint64 mGeneration = 0; // bumped by stop: replies for an older browse are dropped
};
