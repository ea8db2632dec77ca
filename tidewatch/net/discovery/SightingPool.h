// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/discovery/NetworkGame.h"

#include <QString>

#include <deque>
#include <vector>

// One announcement: a service seen on one interface by one protocol.
struct ServiceKey
{
    int interface = 0;
    int protocol = 0;
    QString name;
    QString domain;

    bool operator==(const ServiceKey &other) const
    {
        return interface == other.interface && protocol == other.protocol && name == other.name;
    }
};

// Which announcements are held, resolved and listed, in bounded room: anyone on the
// network can announce without end, and must not hide the real games by doing so.
// - At most kMaxListed resolved games are listed. A game newly resolved when the list
//   is full takes the place of the newest one from the address that holds the most,
//   so one computer announcing many games crowds out only its own. One crowded out
//   comes back only where there is room, so the list does not churn.
// - At most kMaxResolving are resolved at once; one still unresolved after kSlowMs gives
//   way to the next waiting, so services that never resolve hold nothing for long.
// - At most kMaxWaiting wait their turn to be resolved; further ones are dropped.
// Whatever was dropped or crowded out is missed, and asked for again by browsing again.
class SightingPool
{
public:
    static constexpr int kMaxListed = 64;
    static constexpr int kMaxResolving = 16;
    static constexpr int kMaxWaiting = 256;
    static constexpr qint64 kSlowMs = 1000;

    void heard(const ServiceKey &key);
    // Returns whether the listed games changed.
    bool withdrawn(const ServiceKey &key);
    // Those to resolve now, at time `nowMs`: they move from waiting to resolving.
    std::vector<ServiceKey> startResolving(qint64 nowMs);
    // Whether any are waiting: startResolving must be called again within kSlowMs.
    bool waiting() const { return !mWaiting.empty(); }
    // The answers to a resolve; each returns whether the listed games changed.
    bool resolved(const ServiceKey &key, const NetworkGame &game);
    void failed(const ServiceKey &key);

    // Whether anything went unresolved (dropped, slow or failed) or was crowded out
    // since the last forgetMissed.
    struct Missed
    {
        bool unresolved = false;
        bool crowdedOut = false;
    };
    Missed missed() const { return mMissed; }
    void forgetMissed() { mMissed = {}; }

    void clear();
    // The games listed, one per service, in the order they were listed.
    std::vector<NetworkGame> games() const;

private:
    struct Listed
    {
        ServiceKey key;
        NetworkGame game;
    };
    struct Resolving
    {
        ServiceKey key;
        qint64 sinceMs;
    };

    bool holds(const ServiceKey &key) const;
    void makeRoom();

    std::vector<Listed> mListed; // oldest first
    std::vector<Resolving> mResolving;
    std::deque<ServiceKey> mWaiting;
    std::deque<ServiceKey> mCrowdedOut; // the newest kMaxWaiting of them
    Missed mMissed;
};
