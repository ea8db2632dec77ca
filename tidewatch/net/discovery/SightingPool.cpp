// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/SightingPool.h"

#include <QHash>

#include <algorithm>

bool SightingPool::holds(const ServiceKey &key) const
{
    return std::any_of(mListed.begin(), mListed.end(), [&](const Listed &listed) { return listed.key == key; })
           || std::any_of(mResolving.begin(), mResolving.end(),
                          [&](const Resolving &resolving) { return resolving.key == key; })
           || std::find(mWaiting.begin(), mWaiting.end(), key) != mWaiting.end();
}

void SightingPool::heard(const ServiceKey &key)
{
    if (holds(key))
        return; // heard again by a new browse
    if (int(mWaiting.size()) >= kMaxWaiting) {
        mMissed.unresolved = true;
        return;
    }
    mWaiting.push_back(key);
}

bool SightingPool::withdrawn(const ServiceKey &key)
{
    mWaiting.erase(std::remove(mWaiting.begin(), mWaiting.end(), key), mWaiting.end());
    mResolving.erase(std::remove_if(mResolving.begin(), mResolving.end(),
                                    [&](const Resolving &resolving) { return resolving.key == key; }),
                     mResolving.end());
    const auto gone = std::remove_if(mListed.begin(), mListed.end(), [&](const Listed &listed) { return listed.key == key; });
    const bool listed = gone != mListed.end();
    mListed.erase(gone, mListed.end());
    mCrowdedOut.erase(std::remove(mCrowdedOut.begin(), mCrowdedOut.end(), key), mCrowdedOut.end());
    return listed;
}

std::vector<ServiceKey> SightingPool::startResolving(qint64 nowMs)
{
    for (auto slow = mResolving.begin(); slow != mResolving.end() && !mWaiting.empty();) {
        if (nowMs - slow->sinceMs >= kSlowMs) {
            slow = mResolving.erase(slow);
            mMissed.unresolved = true;
        } else {
            ++slow;
        }
    }
    std::vector<ServiceKey> started;
    while (int(mResolving.size()) < kMaxResolving && !mWaiting.empty()) {
        mResolving.push_back({mWaiting.front(), nowMs});
        started.push_back(mWaiting.front());
        mWaiting.pop_front();
    }
    return started;
}

bool SightingPool::resolved(const ServiceKey &key, const NetworkGame &game)
{
    const auto resolving = std::find_if(mResolving.begin(), mResolving.end(),
                                        [&](const Resolving &candidate) { return candidate.key == key; });
    if (resolving == mResolving.end())
        return false; // given up, or withdrawn meanwhile
    mResolving.erase(resolving);
    const auto crowdedOut = std::find(mCrowdedOut.begin(), mCrowdedOut.end(), key);
    if (int(mListed.size()) >= kMaxListed) {
        if (crowdedOut != mCrowdedOut.end())
            return false; // it had its turn
        makeRoom();
    } else if (crowdedOut != mCrowdedOut.end()) {
        mCrowdedOut.erase(crowdedOut);
    }
    mListed.push_back({key, game});
    return true;
}

void SightingPool::failed(const ServiceKey &key)
{
    mResolving.erase(std::remove_if(mResolving.begin(), mResolving.end(),
                                    [&](const Resolving &resolving) { return resolving.key == key; }),
                     mResolving.end());
    mMissed.unresolved = true;
}

void SightingPool::makeRoom()
{
    QHash<QString, int> perAddress;
    int most = 0;
    for (const Listed &listed : mListed)
        most = std::max(most, ++perAddress[listed.game.address]);
    const auto victim = std::find_if(mListed.rbegin(), mListed.rend(), [&](const Listed &listed) {
        return perAddress.value(listed.game.address) == most;
    });
    if (int(mCrowdedOut.size()) >= kMaxWaiting)
        mCrowdedOut.pop_front();
    mCrowdedOut.push_back(victim->key);
    mListed.erase(std::next(victim).base());
    mMissed.crowdedOut = true;
}

void SightingPool::clear()
{
    mListed.clear();
    mResolving.clear();
    mWaiting.clear();
    mCrowdedOut.clear();
    mMissed = {};
}

std::vector<NetworkGame> SightingPool::games() const
{
    std::vector<NetworkGame> games;
    for (const Listed &listed : mListed) {
        const auto same = std::find_if(games.begin(), games.end(),
                                       [&](const NetworkGame &game) { return game.service == listed.game.service; });
        if (same == games.end())
            games.push_back(listed.game);
        else if (!listed.game.address.contains(QLatin1Char(':')) && same->address.contains(QLatin1Char(':')))
            *same = listed.game; // an IPv4 address reaches more hosts than a link-local one
    }
    return games;
}
