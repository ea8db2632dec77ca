// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/GameBrowser.h"

#include "net/PeerText.h"
#include "net/Protocol.h"
#include "net/discovery/AnnouncedAddress.h"
#include "net/discovery/AvahiBus.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {

constexpr int kMaxShownChars = 40;
// The daemon gives up on a service after five seconds; this is in case it never answers.
constexpr int kResolveTimeoutMs = 6000;
// A game that could not be resolved may be a real one on a slow network: asked again
// this long after. One crowded out is asked again as soon as a place frees.
constexpr int kAskAgainMs = 10000;
constexpr int kAskAgainSoonMs = 500;

// A peer's text as one short line of plain text.
QString oneLine(const QString &text)
{
    return PeerText::oneLine(text.left(kMaxShownChars));
}

QString playerFrom(const AvahiBus::TxtRecord &txt, const QString &fallback)
{
    for (const QByteArray &entry : txt)
        if (entry.startsWith(AvahiBus::kPlayerKey))
            return QString::fromUtf8(entry.mid(AvahiBus::kPlayerKey.size()));
    return fallback;
}

} // namespace

GameBrowser::GameBrowser(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , mBus(bus)
{
    AvahiBus::registerTypes();
    mClock.start();
    mNextResolves.setSingleShot(true);
    mNextResolves.setInterval(int(SightingPool::kSlowMs));
    connect(&mNextResolves, &QTimer::timeout, this, &GameBrowser::resolveWaiting);
    mAskAgain.setSingleShot(true);
    connect(&mAskAgain, &QTimer::timeout, this, [this] {
        mPool.forgetMissed();
        browse();
    });
}

GameBrowser::~GameBrowser()
{
    stop();
}

void GameBrowser::start()
{
    stop();
    if (!mBus.isConnected()) {
        setStatus(Status::Unavailable);
        return;
    }
    if (!mDaemonWatcher) {
        mDaemonWatcher = new QDBusServiceWatcher(AvahiBus::kService, mBus, QDBusServiceWatcher::WatchForOwnerChange,
                                                 this);
        connect(mDaemonWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &newOwner) {
                    if (mStatus == Status::Stopped)
                        return;
                    if (newOwner.isEmpty())
                        failure(QString());
                    else
                        start();
                });
    }
    setStatus(Status::Looking);
    browse();
}

// A browser reports every service it finds, those seen before included: a new one
// brings back what had no room. The old one stays until the new one runs, so no
// withdrawal goes unheard in between.
void GameBrowser::browse()
{
    const quint64 generation = mGeneration;
    // Prepared, then started: no announcement can come before its signals are hooked.
    auto *watcher = new QDBusPendingCallWatcher(
        mBus.asyncCall(AvahiBus::call(QStringLiteral("/"), AvahiBus::kServer2, QStringLiteral("ServiceBrowserPrepare"),
                                      {AvahiBus::kAnyInterface, AvahiBus::kAnyProtocol, AvahiBus::kGameType,
                                       QString(), 0u})),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher *finished) { browserMade(finished, generation); });
}

void GameBrowser::browserMade(QDBusPendingCallWatcher *watcher, quint64 generation)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (generation != mGeneration) {
        if (!reply.isError())
            mBus.asyncCall(AvahiBus::call(reply.value().path(), AvahiBus::kServiceBrowser, QStringLiteral("Free")));
        return;
    }
    if (reply.isError()) {
        if (mBrowserPath.isEmpty())
            setStatus(Status::Unavailable);
        return; // a browse again that failed leaves the running one be
    }
    const QString older = mBrowserPath;
    mBrowserPath = reply.value().path();
    hook(mBrowserPath, true);
    mBus.asyncCall(AvahiBus::call(mBrowserPath, AvahiBus::kServiceBrowser, QStringLiteral("Start")));
    hook(older, false);
}

void GameBrowser::hook(const QString &browserPath, bool on)
{
    if (browserPath.isEmpty())
        return;
    // No sender named: naming one would make Qt ask the bus for its owner, and wait.
    const auto hookOne = [&](const char *member, const char *slot) {
        if (on)
            mBus.connect(QString(), browserPath, AvahiBus::kServiceBrowser, QLatin1String(member), this, slot);
        else
            mBus.disconnect(QString(), browserPath, AvahiBus::kServiceBrowser, QLatin1String(member), this, slot);
    };
    hookOne("ItemNew", SLOT(itemNew(int, int, QString, QString, QString, uint)));
    hookOne("ItemRemove", SLOT(itemRemove(int, int, QString, QString, QString, uint)));
    hookOne("Failure", SLOT(failure(QString)));
    if (!on)
        mBus.asyncCall(AvahiBus::call(browserPath, AvahiBus::kServiceBrowser, QStringLiteral("Free")));
}

void GameBrowser::stop()
{
    ++mGeneration;
    hook(mBrowserPath, false);
    mBrowserPath.clear();
    mNextResolves.stop();
    mAskAgain.stop();
    forgetAll();
    setStatus(Status::Stopped);
}

void GameBrowser::itemNew(int interface, int protocol, const QString &name, const QString &type,
                          const QString &domain, uint)
{
    if (type != AvahiBus::kGameType)
        return;
    mPool.heard({interface, protocol, name, domain});
    resolveWaiting();
}

void GameBrowser::resolveWaiting()
{
    const quint64 generation = mGeneration;
    for (const ServiceKey &key : mPool.startResolving(mClock.elapsed())) {
        auto *watcher = new QDBusPendingCallWatcher(
            mBus.asyncCall(AvahiBus::call(QStringLiteral("/"), AvahiBus::kServer, QStringLiteral("ResolveService"),
                                          {key.interface, key.protocol, key.name, AvahiBus::kGameType, key.domain,
                                           key.protocol, 0u}),
                           kResolveTimeoutMs),
            this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, generation, key](QDBusPendingCallWatcher *finished) { resolved(finished, generation, key); });
    }
    if (mPool.waiting() && !mNextResolves.isActive())
        mNextResolves.start();
    askAgainAfterMisses(false);
}

void GameBrowser::resolved(QDBusPendingCallWatcher *watcher, quint64 generation, const ServiceKey &key)
{
    watcher->deleteLater();
    if (generation != mGeneration)
        return; // stopped meanwhile
    const QDBusMessage reply = watcher->reply();
    const QList<QVariant> values = reply.arguments();
    // Only a game this game can join is listed: the port is fixed, whatever is announced.
    const bool joinable = reply.type() == QDBusMessage::ReplyMessage && values.size() >= 10
                          && values[2].toString() == key.name && AnnouncedAddress::namesOneHost(values[7].toString())
                          && values[8].toUInt() == Protocol::kPort;
    if (!joinable) {
        mPool.failed(key);
    } else {
        AvahiBus::TxtRecord txt;
        if (values[9].canConvert<QDBusArgument>())
            values[9].value<QDBusArgument>() >> txt;
        QString host = values[5].toString();
        if (host.endsWith(QLatin1String(".local")))
            host.chop(6);
        if (mPool.resolved(key, {key.name, oneLine(playerFrom(txt, key.name)), oneLine(host),
                                 AnnouncedAddress::reaching(values[7].toString(), key.interface)}))
            emit changed();
    }
    resolveWaiting(); // its place is free
}

void GameBrowser::itemRemove(int interface, int protocol, const QString &name, const QString &, const QString &domain,
                             uint)
{
    if (mPool.withdrawn({interface, protocol, name, domain}))
        emit changed();
    askAgainAfterMisses(true);
    resolveWaiting();
}

void GameBrowser::askAgainAfterMisses(bool slotFreed)
{
    const SightingPool::Missed missed = mPool.missed();
    const bool soon = slotFreed && (missed.unresolved || missed.crowdedOut);
    if (soon && (!mAskAgain.isActive() || mAskAgain.remainingTime() > kAskAgainSoonMs))
        mAskAgain.start(kAskAgainSoonMs);
    else if (missed.unresolved && !mAskAgain.isActive())
        mAskAgain.start(kAskAgainMs);
}

void GameBrowser::failure(const QString &)
{
    stop();
    setStatus(Status::Unavailable);
}

void GameBrowser::forgetAll()
{
    const bool listed = !mPool.games().empty();
    mPool.clear();
    if (listed)
        emit changed();
}

void GameBrowser::setStatus(Status status)
{
    if (status == mStatus)
        return;
    mStatus = status;
    emit changed();
}
