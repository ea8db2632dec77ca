#pragma once

class BoardModel;
class Fleet;
class RandomSource;

// The computer's fleet: ships 1..5 in order, each at a random start cell that fits.
// Pictures are painted only when `draw` is set (reveal mode).
void PlaceComputerFleet(Fleet &fleet, BoardModel &board, bool draw, RandomSource &random);
