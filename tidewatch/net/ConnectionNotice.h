// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct GameState;

// How the player learns that the connection has ended.
namespace ConnectionNotice {

enum class Where {
    Nowhere, // a connection left over from an earlier game; the game now played is another
    Box,     // a network game is under way, and it stops here
    ChatLog, // the network game is over: nothing stops, so nothing needs the player's OK
};

Where where(const GameState &state);

// The notice as a line of the chat log, set apart from what the players typed.
QString chatLine(const QString &notice);

} // namespace ConnectionNotice
