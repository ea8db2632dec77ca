// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/RecordBook.h"

#include <QString>

struct GameState;

// The record file lives beside the account file, under the same folder rules.
QString recordFileBeside(const QString &accountFile);

// The local player's game as the record counts it: the kind from the game type and
// level, the shots from the player's shot record, the hits from the opponent's fleet.
// Only a game that has begun counts: a network game cut off while its fleets were
// being placed or in battle, or a battle won or lost. False for anything else.
bool recordableGame(const GameState &state);
RecordKind kindOfGame(const GameState &state);
GameResult resultOfGame(const GameState &state, GameOutcome outcome);

// Counts the game into the player's record: reads the file afresh (another copy of the
// game may share it), adds the game and saves, under a lock. False with `error` when
// the record could not be kept, and why (the file is then as it was); false with no
// `error` for a game that does not count.
bool countGame(const QString &recordFile, const GameState &state, GameOutcome outcome,
               QString *error);
