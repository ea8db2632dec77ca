// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "battle/ShotRule.h"

#include <functional>

class AdmiralSight;
class BoardModel;
class Fleet;
class RandomSource;
class ShotRecord;

// The Hard level's memory; it lives on the main window and survives between games.
struct HardLevelFields
{
    bool mRandomSearch = false;
    bool mWalkUp = false;
    qint16 mTrackCell = 0;
    bool mLastShotHit = false;
};

// What the computer fires at: the player's fleet, own board and shot record, and what
// the Admiral has seen of them (it needs no more; without it the Admiral fires nothing).
// A game fires through `fire`, its road for every shot; without it the shot rule is used.
struct ComputerTarget
{
    Fleet &ships;
    BoardModel &board;
    ShotRecord &shots;
    AdmiralSight *sight = nullptr;
    std::function<ShotResult(qint16 cell)> fire = {};
};

// Difficulty 1 Easy, 2 Moderate, 3 Hard, 4 Impossible, 5 Admiral.
// Fires exactly one shot for 1..5 and returns its cell; returns 0 (no shot) otherwise,
// and also when no cell is left that the level may fire at (a game that should be over).
// The caller reseeds `random` before each reply; Hard also reseeds before a search shot.
qint16 computerReply(qint32 difficulty, ComputerTarget target, HardLevelFields &hard,
                     RandomSource &random);

// Start of a single-player battle: the Hard level begins with a search, walking up.
void startHardLevel(HardLevelFields &hard);
