// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>

// The games the record file could not take while the program runs, each player's own,
// with the last reason: the end of such a game says so in one line, the records view
// in a note, so the player never takes old counts for the whole story.
class UncountedGames
{
    Q_DECLARE_TR_FUNCTIONS(UncountedGames)

public:
    // The one line for the end of a game that could not be counted.
    static QString endOfGameLine(const QString &reason);

    void add(const QString &player, const QString &reason);
    // Empty while every game of the player's was counted.
    QString note(const QString &player) const;

private:
    struct Uncounted
    {
        int games = 0;
        QString reason;
    };
    QHash<QString, Uncounted> mByPlayer;
};
