// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardProcedures.h"

#include "board/BoardModel.h"
#include "board/Fleet.h"

void ClearGrid(BoardModel &MapControl)
{
    for (int k = 1; k <= ShipKinds::kBoardCells; ++k)
        MapControl.setCell(k, CellPicture::water());
}

void ReDrawShips(const Fleet &GridClassArrayName)
{
    for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot)
        GridClassArrayName[slot].ReDrawShip();
}

bool IsShipAt(qint16 Index, const Fleet &GridClassArrayName)
{
    return ShipNumberAt(Index, GridClassArrayName) != 0;
}

qint32 ShipNumberAt(qint16 cell, const Fleet &fleet)
{
    for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot) {
        if (fleet[slot].cShipIsHit(cell))
            return slot;
    }
    return 0;
}
