// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A game announced on the network, as the list shows it.
struct NetworkGame
{
    QString service; // the DNS-SD instance name, which tells games apart
    QString player;  // the waiting player, one line of plain text
    QString host;    // the computer's name on the network
    QString address; // one that reaches it: IPv4 where it has one
};

// The list's rows, one per game: "player on host (address)". Anyone can announce any
// player and host name, so rows that would read alike also give their announced names.
QStringList rowTexts(const std::vector<NetworkGame> &games);
