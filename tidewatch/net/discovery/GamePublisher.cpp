// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/GamePublisher.h"

#include "net/discovery/AvahiBus.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QSysInfo>

namespace {

// After this many collisions the network is taken to be hostile: no more names.
constexpr int kMaxAttempts = 10;

} // namespace

GamePublisher::GamePublisher(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , mBus(bus)
{
    AvahiBus::registerTypes();
    // A daemon started, or started again, after the game began waiting hears of it too.
    auto *daemon = new QDBusServiceWatcher(AvahiBus::kService, mBus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(daemon, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        if (mWanted)
            publish(mPlayer, mPort);
    });
}

GamePublisher::~GamePublisher()
{
    withdraw();
}

void GamePublisher::publish(const QString &playerName, quint16 port)
{
    withdraw();
    mWanted = true;
    mPlayer = playerName;
    mPort = port;
    mAttempt = 0;
    if (!mBus.isConnected())
        return;
    const quint64 generation = mGeneration;
    auto *reply = new QDBusPendingCallWatcher(
        mBus.asyncCall(AvahiBus::call(QStringLiteral("/"), AvahiBus::kServer, QStringLiteral("EntryGroupNew"))),
        this);
    connect(reply, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher *finished) { groupCreated(finished, generation); });
}

void GamePublisher::groupCreated(QDBusPendingCallWatcher *watcher, quint64 generation)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError())
        return; // no daemon: the game waits unannounced
    mGroupPath = reply.value().path();
    if (generation != mGeneration) {
        freeGroup(); // withdrawn while the daemon made it
        return;
    }
    // No sender named: naming one would make Qt ask the bus for its owner, and wait.
    mBus.connect(QString(), mGroupPath, AvahiBus::kEntryGroup, QStringLiteral("StateChanged"), this,
                 SLOT(groupStateChanged(int, QString)));
    addAndCommit();
}

QString GamePublisher::candidateName() const
{
    QString name = mPlayer.simplified();
    if (name.isEmpty())
        name = QStringLiteral("Tidewatch");
    if (mAttempt >= 1)
        name += QStringLiteral(" on ") + QSysInfo::machineHostName();
    if (mAttempt >= 2)
        name += QStringLiteral(" (%1)").arg(mAttempt);
    return AvahiBus::cutToBytes(name, AvahiBus::kMaxInstanceBytes);
}

void GamePublisher::addAndCommit()
{
    const AvahiBus::TxtRecord txt{AvahiBus::kPlayerKey + AvahiBus::cutToBytes(mPlayer, 200).toUtf8()};
    // One connection keeps the order of its calls: the commit follows the service.
    auto *added = new QDBusPendingCallWatcher(
        mBus.asyncCall(AvahiBus::call(mGroupPath, AvahiBus::kEntryGroup, QStringLiteral("AddService"),
                                      {AvahiBus::kAnyInterface, AvahiBus::kAnyProtocol, 0u, candidateName(),
                                       AvahiBus::kGameType, QString(), QString(), QVariant::fromValue(mPort),
                                       QVariant::fromValue(txt)})),
        this);
    mBus.asyncCall(AvahiBus::call(mGroupPath, AvahiBus::kEntryGroup, QStringLiteral("Commit")));
    // A name this daemon already announces is refused at once, not reported as a collision.
    connect(added, &QDBusPendingCallWatcher::finished, this,
            [this, generation = mGeneration](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                if (generation == mGeneration && finished->error().name() == AvahiBus::kCollisionError)
                    groupStateChanged(AvahiBus::kGroupCollision, QString());
            });
}

void GamePublisher::groupStateChanged(int state, const QString &)
{
    if (state == AvahiBus::kGroupEstablished) {
        mEstablished = candidateName();
        emit established(mEstablished);
    } else if (state == AvahiBus::kGroupCollision && ++mAttempt < kMaxAttempts) {
        mBus.asyncCall(AvahiBus::call(mGroupPath, AvahiBus::kEntryGroup, QStringLiteral("Reset")));
        addAndCommit();
    }
}

void GamePublisher::withdraw()
{
    ++mGeneration;
    mWanted = false;
    mEstablished.clear();
    if (!mGroupPath.isEmpty())
        freeGroup();
}

void GamePublisher::freeGroup()
{
    mBus.disconnect(QString(), mGroupPath, AvahiBus::kEntryGroup, QStringLiteral("StateChanged"), this,
                    SLOT(groupStateChanged(int, QString)));
    mBus.asyncCall(AvahiBus::call(mGroupPath, AvahiBus::kEntryGroup, QStringLiteral("Free")));
    mGroupPath.clear();
}
