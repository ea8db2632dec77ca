// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Cue.h"

#include <QtGlobal>

class BoardModel;
class Fleet;
class ShotRecord;

struct ShotResult
{
    bool hit = false;
    qint32 shipNumber = 0; // the ship counted (or, on a repeat, the ship covering the cell)
    bool sunk = false;     // that ship is destroyed after this shot
    bool repeat = false;   // the cell had been fired at before
};

// The one rule for every shot: the player's, the computer's and a received one.
// Marks the cell in `shots`, paints the hit or miss picture, and counts a hit on
// the first ship covering the cell, but only on the first shot at that cell.
// A cell outside 1..100 is no shot at all: nothing changes and the result is a miss.
ShotResult resolveShot(qint16 cell, Fleet &fleet, BoardModel &board, ShotRecord &shots);

// The cue for the local player's own shot: miss, hit or sunk.
Cue cueFor(const ShotResult &result);

bool IsFleetDestroyed(const Fleet &fleet);
