// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

// Announces a game waiting for its opponent as a DNS-SD service through the Avahi
// daemon, named after the waiting player. Where another game on the network already
// has that name, the host is added to it, then a number. Without a daemon nothing
// is announced and nothing is said: the game is joined by a typed host as before.
class GamePublisher : public QObject
{
    Q_OBJECT

public:
    explicit GamePublisher(const QDBusConnection &bus, QObject *parent = nullptr);
    ~GamePublisher() override; // withdraws the announcement

    // Replaces any earlier announcement.
    void publish(const QString &playerName, quint16 port);
    void withdraw();

    // The name the network sees, once the daemon has established it; empty otherwise.
    QString instanceName() const { return mEstablished; }

signals:
    void established(const QString &instanceName);

private slots:
    void groupStateChanged(int state, const QString &error);

private:
    void groupCreated(QDBusPendingCallWatcher *reply, quint64 generation);
    void addAndCommit();
    QString candidateName() const;
    void freeGroup();

    QDBusConnection mBus;
    QString mPlayer;
    quint16 mPort = 0;
    QString mGroupPath;      // the daemon's entry group, once it has made one
    QString mEstablished;
    bool mWanted = false;    // published and not withdrawn since
    int mAttempt = 0;        // names tried after a collision
    quint64 mGeneration = 0; // bumped by withdraw: a group made for an older publish is freed
};
