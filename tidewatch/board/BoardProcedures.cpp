// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardProcedures.h"

#include "board/BoardModel.h"
#include "board/Fleet.h"

void ClearGrid(BoardModel &MapControl)
{
    for (int k = 1; k <= BoardModel::kCells; ++k)
        MapControl.setCell(k, CellPicture::water());
}

void ReDrawShips(const Fleet &GridClassArrayName)
{
    for (int slot = 1; slot <= Fleet::kSlots; ++slot)
        GridClassArrayName[slot].ReDrawShip();
}

bool IsShipAt(qint16 Index, const Fleet &GridClassArrayName)
{
    for (int slot = 1; slot <= Fleet::kSlots; ++slot) {
        if (GridClassArrayName[slot].cShipIsHit(Index))
            return true;
    }
    return false;
}
