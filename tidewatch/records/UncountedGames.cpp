// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/UncountedGames.h"

#include <QCoreApplication>

QString UncountedGames::endOfGameLine(const QString &reason)
{
    //: The end of a game that could not be counted; %1 says why
    return tr("Not counted in your records: %1.").arg(reason);
}

void UncountedGames::add(const QString &player, const QString &reason)
{
    Uncounted &uncounted = mByPlayer[player];
    ++uncounted.games;
    uncounted.reason = reason;
}

QString UncountedGames::note(const QString &player) const
{
    const auto found = mByPlayer.constFind(player);
    if (found == mByPlayer.constEnd())
        return {};
    // English says "1 game", not "1 games": the one has its own text.
    //: Fills in "Not counted here: %1 played since Tidewatch started"; "%n games" is used for every other count
    const QString games = found->games == 1 ? tr("1 game") : tr("%n games", nullptr, found->games);
    //: The records view's note; %1 is a number of games, %2 why they were not counted
    return tr("Not counted here: %1 played since Tidewatch started (%2).").arg(games, found->reason);
}
