// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/GameBrowser.h"

#include "net/PeerText.h"
#include "net/discovery/AvahiBus.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QRegularExpression>

#include <net/if.h>

#include <algorithm>

namespace {

constexpr int kMaxShownChars = 40;
constexpr int kIPv6 = 1;

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

// What the daemon gives as an address: dotted IPv4 or IPv6 text, nothing else.
bool looksLikeAddress(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f.:]{2,45}$"));
    return form.match(text).hasMatch();
}

// A link-local IPv6 address reaches its host only through the interface it came by.
QString reachingAddress(const QString &address, int interface)
{
    char name[IF_NAMESIZE] = {};
    if (address.startsWith(QLatin1String("fe80:"), Qt::CaseInsensitive) && interface > 0
        && if_indextoname(unsigned(interface), name))
        return address + QLatin1Char('%') + QString::fromLocal8Bit(name);
    return address;
}

} // namespace

GameBrowser::GameBrowser(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , mBus(bus)
{
    AvahiBus::registerTypes();
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
                    if (newOwner.isEmpty()) {
                        ++mGeneration;
                        hookBrowser(false);
                        forgetAll();
                        setStatus(Status::Unavailable);
                    } else {
                        start();
                    }
                });
    }
    setStatus(Status::Looking);
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
        setStatus(Status::Unavailable);
        return;
    }
    mBrowserPath = reply.value().path();
    hookBrowser(true);
    mBus.asyncCall(AvahiBus::call(mBrowserPath, AvahiBus::kServiceBrowser, QStringLiteral("Start")));
}

void GameBrowser::hookBrowser(bool on)
{
    if (mBrowserPath.isEmpty())
        return;
    // No sender named: naming one would make Qt ask the bus for its owner, and wait.
    const auto hook = [this, on](const char *member, const char *slot) {
        if (on)
            mBus.connect(QString(), mBrowserPath, AvahiBus::kServiceBrowser, QLatin1String(member), this, slot);
        else
            mBus.disconnect(QString(), mBrowserPath, AvahiBus::kServiceBrowser, QLatin1String(member), this, slot);
    };
    hook("ItemNew", SLOT(itemNew(int, int, QString, QString, QString, uint)));
    hook("ItemRemove", SLOT(itemRemove(int, int, QString, QString, QString, uint)));
    hook("Failure", SLOT(failure(QString)));
    if (!on) {
        mBus.asyncCall(AvahiBus::call(mBrowserPath, AvahiBus::kServiceBrowser, QStringLiteral("Free")));
        mBrowserPath.clear();
    }
}

void GameBrowser::stop()
{
    ++mGeneration;
    hookBrowser(false);
    forgetAll();
    setStatus(Status::Stopped);
}

void GameBrowser::itemNew(int interface, int protocol, const QString &name, const QString &type,
                          const QString &domain, uint)
{
    if (type != AvahiBus::kGameType || int(mSightings.size()) >= kMaxSightings)
        return;
    mSightings.push_back({interface, protocol, name, domain, false, {}});
    const quint64 generation = mGeneration;
    auto *watcher = new QDBusPendingCallWatcher(
        mBus.asyncCall(AvahiBus::call(QStringLiteral("/"), AvahiBus::kServer, QStringLiteral("ResolveService"),
                                      {interface, protocol, name, type, domain, protocol, 0u})),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher *finished) { resolved(finished, generation); });
}

void GameBrowser::resolved(QDBusPendingCallWatcher *watcher, quint64 generation)
{
    watcher->deleteLater();
    const QDBusMessage reply = watcher->reply();
    const QList<QVariant> values = reply.arguments();
    if (generation != mGeneration || reply.type() != QDBusMessage::ReplyMessage || values.size() < 10)
        return; // stopped meanwhile, or the game went before it could be resolved
    const int interface = values[0].toInt();
    const int protocol = values[1].toInt();
    const QString name = values[2].toString();
    const auto sighting = std::find_if(mSightings.begin(), mSightings.end(), [&](const Sighting &seen) {
        return seen.interface == interface && seen.protocol == protocol && seen.name == name;
    });
    const QString address = values[7].toString();
    if (sighting == mSightings.end() || !looksLikeAddress(address))
        return;
    AvahiBus::TxtRecord txt;
    if (values[9].canConvert<QDBusArgument>())
        values[9].value<QDBusArgument>() >> txt;
    QString host = values[5].toString();
    if (host.endsWith(QLatin1String(".local")))
        host.chop(6);
    sighting->game = {name, oneLine(playerFrom(txt, name)), oneLine(host), reachingAddress(address, interface)};
    sighting->resolved = true;
    emit changed();
}

void GameBrowser::itemRemove(int interface, int protocol, const QString &name, const QString &, const QString &,
                             uint)
{
    const auto gone = std::remove_if(mSightings.begin(), mSightings.end(), [&](const Sighting &seen) {
        return seen.interface == interface && seen.protocol == protocol && seen.name == name;
    });
    if (gone == mSightings.end())
        return;
    mSightings.erase(gone, mSightings.end());
    emit changed();
}

void GameBrowser::failure(const QString &)
{
    ++mGeneration;
    hookBrowser(false);
    forgetAll();
    setStatus(Status::Unavailable);
}

void GameBrowser::forgetAll()
{
    if (mSightings.empty())
        return;
    mSightings.clear();
    emit changed();
}

void GameBrowser::setStatus(Status status)
{
    if (status == mStatus)
        return;
    mStatus = status;
    emit changed();
}

std::vector<NetworkGame> GameBrowser::games() const
{
    std::vector<NetworkGame> games;
    for (const Sighting &seen : mSightings) {
        if (!seen.resolved)
            continue;
        const auto same = std::find_if(games.begin(), games.end(),
                                       [&](const NetworkGame &game) { return game.service == seen.name; });
        if (same == games.end())
            games.push_back(seen.game);
        else if (seen.protocol != kIPv6 && same->address.contains(QLatin1Char(':')))
            *same = seen.game; // an IPv4 address reaches more hosts than a link-local one
    }
    return games;
}
