// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class BoardModel;
class Fleet;

// Every cell to plain water.
void ClearGrid(BoardModel &MapControl);
// Each ship of the fleet repaints itself on the board it was created on.
void ReDrawShips(const Fleet &GridClassArrayName);
// True when a ship of the fleet covers the cell.
bool IsShipAt(qint16 Index, const Fleet &GridClassArrayName);
// The number of the ship covering the cell, 1..5; 0 when none does.
qint32 ShipNumberAt(qint16 cell, const Fleet &fleet);
