// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/NetworkGame.h"

#include "net/PeerText.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// What a reader takes in at a glance: spacing and case are easily overlooked.
QString readAs(const QString &row)
{
    return row.simplified().toCaseFolded();
}

} // namespace

QStringList rowTexts(const std::vector<NetworkGame> &games)
{
    QStringList rows;
    QHash<QString, int> readings;
    for (const NetworkGame &game : games) {
        //: A row of the games found: the player's name, their computer's name, its address
        rows << QCoreApplication::translate("NetworkGame", "%1 on %2 (%3)")
                    .arg(PeerText::isolated(game.player), PeerText::isolated(game.host), game.address);
        ++readings[readAs(rows.back())];
    }
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (readings.value(readAs(rows[row])) > 1)
            //: A row that reads like another, then the name the game was announced under
            rows[row] = QCoreApplication::translate("NetworkGame", "%1, announced as “%2”")
                            .arg(rows[row], PeerText::isolated(games[std::size_t(row)].service));
    }
    return rows;
}
