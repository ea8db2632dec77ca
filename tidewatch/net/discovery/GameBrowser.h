// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <vector>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// A game announced on the network, as the list shows it.
struct NetworkGame
{
    QString service; // the DNS-SD instance name, which tells games apart
    QString player;  // the waiting player, one line of plain text
    QString host;    // the computer's name on the network
    QString address; // one that reaches it: IPv4 where it has one
};

// Follows the games announced on the network through the Avahi daemon, resolving
// each to an address, live as they come and go. Everything it hears is untrusted:
// texts are cut to one short line and at most kMaxSightings announcements are kept.
class GameBrowser : public QObject
{
    Q_OBJECT

public:
    enum class Status { Stopped, Looking, Unavailable };
    static constexpr int kMaxSightings = 64;

    explicit GameBrowser(const QDBusConnection &bus, QObject *parent = nullptr);
    ~GameBrowser() override;

    void start();
    void stop();
    Status status() const { return mStatus; }
    // The games resolved so far, in the order they were first seen.
    std::vector<NetworkGame> games() const;

signals:
    void changed(); // the games or the status

private slots:
    void itemNew(int interface, int protocol, const QString &name, const QString &type,
                 const QString &domain, uint flags);
    void itemRemove(int interface, int protocol, const QString &name, const QString &type,
                    const QString &domain, uint flags);
    void failure(const QString &error);

private:
    // One announcement: a service seen on one interface by one protocol.
    struct Sighting
    {
        int interface;
        int protocol;
        QString name;
        QString domain;
        bool resolved = false;
        NetworkGame game;
    };

    void browserMade(QDBusPendingCallWatcher *watcher, quint64 generation);
    void resolved(QDBusPendingCallWatcher *watcher, quint64 generation);
    void hookBrowser(bool on);
    void setStatus(Status status);
    void forgetAll();

    QDBusConnection mBus;
    QDBusServiceWatcher *mDaemonWatcher = nullptr; // a daemon (re)started is browsed again
    Status mStatus = Status::Stopped;
    QString mBrowserPath;
    std::vector<Sighting> mSightings;
    quint64 mGeneration = 0; // bumped by stop: replies for an older browse are dropped
};
