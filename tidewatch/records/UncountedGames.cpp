// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/UncountedGames.h"

QString UncountedGames::endOfGameLine(const QString &reason)
{
    return QStringLiteral("Not counted in your records: %1.").arg(reason);
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
    const QString games = found->games == 1 ? QStringLiteral("1 game")
                                            : QStringLiteral("%1 games").arg(found->games);
    return QStringLiteral("Not counted here: %1 played since Tidewatch started (%2).")
        .arg(games, found->reason);
}
