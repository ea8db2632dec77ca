// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BoardModel;
class Fleet;
class RandomSource;

// The computer's fleet: ships 1..5 in order, each at a random start cell that fits.
// Pictures are painted only when `draw` is set (reveal mode).
void placeComputerFleet(Fleet &fleet, BoardModel &board, bool draw, RandomSource &random);
// The ships of the fleet not yet placed, by the same rule, around those already placed:
// the player's "place for me".
void placeUnplacedShips(Fleet &fleet, BoardModel &board, bool draw, RandomSource &random);
