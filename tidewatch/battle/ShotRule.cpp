// SPDX-License-Identifier: GPL-3.0-or-later
#include "battle/ShotRule.h"

#include "board/BoardProcedures.h"
#include "board/ShotRecord.h"
#include "board/BoardModel.h"
#include "board/Fleet.h"
#include "board/ShipKinds.h"

ShotResult resolveShot(qint16 cell, Fleet &fleet, BoardModel &board, ShotRecord &shots)
{
    ShotResult result;
    if (!ShipKinds::isCell(cell))
        return result;

    result.repeat = shots.isSet(cell);
    shots.set(cell);
    result.shipNumber = ShipNumberAt(cell, fleet);
    result.hit = result.shipNumber != 0;
    board.setCell(cell, result.hit ? CellPicture::hit() : CellPicture::miss());
    if (!result.hit)
        return result;

    clsShip &ship = fleet[result.shipNumber];
    // A cell hit twice is still one hole: counting it again could sink a ship
    // with cells never hit, or push the count past the ship's length.
    if (!result.repeat)
        ship.IncrementHitCount();
    result.sunk = ship.IsDestroyed();
    return result;
}

Cue cueFor(const ShotResult &result)
{
    if (!result.hit)
        return Cue::Miss;
    return result.sunk ? Cue::Sunk : Cue::Hit;
}

bool IsFleetDestroyed(const Fleet &fleet)
{
    for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot) {
        if (!fleet[slot].IsDestroyed())
            return false;
    }
    return true;
}


