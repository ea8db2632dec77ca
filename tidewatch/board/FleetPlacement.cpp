// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/FleetPlacement.h"

#include "board/RandomSource.h"
#include "board/Fleet.h"
#include "board/ShipKinds.h"

void placeComputerFleet(Fleet &fleet, BoardModel &board, bool draw, RandomSource &random)
{
    // A fleet left over from an earlier game would block cells and keep its hits.
    fleet.clear();
    placeUnplacedShips(fleet, board, draw, random);
}

void placeUnplacedShips(Fleet &fleet, BoardModel &board, bool draw, RandomSource &random)
{
    random.reseedFromClock();
    constexpr int highestStart = ShipKinds::kBoardCells - ShipKinds::kRowLength;
    for (int number = 1; number <= ShipKinds::kShipCount; ++number) {
        clsShip &ship = fleet[number];
        if (!ship.isEmpty())
            continue;
        const int start = drawUntil(
            random, randomStartCell,
            [&](int cell) { return ship.CanDrawShip(qint16(cell), number, &board, fleet); }, 1,
            highestStart);
        // Five ships take at most five of the ten columns, so a start always fits.
        ship.CreateShip(qint16(start), number, &board, draw);
    }
}
