// SPDX-License-Identifier: GPL-3.0-or-later
#include "battle/FleetReveal.h"

#include "board/ShotRecord.h"
#include "board/BoardModel.h"
#include "board/BoardProcedures.h"
#include "board/Fleet.h"
#include "board/ShipKinds.h"

void showUnsunkShips(const Fleet &fleet, BoardModel &board, const ShotRecord &shots)
{
    for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot) {
        const clsShip &ship = fleet[slot];
        ship.DrawShip(ship.ShipIndex(), ship.DrawShipType(), &board);
    }
    // Every shot on a ship's cell was a hit.
    for (int cell = 1; cell <= ShipKinds::kBoardCells; ++cell)
        if (shots.isSet(cell) && IsShipAt(qint16(cell), fleet))
            board.setCell(cell, CellPicture::hit());
}
