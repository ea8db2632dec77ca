// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/NetworkGame.h"

#include "net/PeerText.h"

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
        rows << PeerText::isolated(game.player) + QStringLiteral(" on ") + PeerText::isolated(game.host)
                    + QStringLiteral(" (") + game.address + QLatin1Char(')');
        ++readings[readAs(rows.back())];
    }
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (readings.value(readAs(rows[row])) > 1)
            rows[row] += QStringLiteral(", announced as \u201C") + PeerText::isolated(games[std::size_t(row)].service)
                         + QStringLiteral("\u201D");
    }
    return rows;
}
