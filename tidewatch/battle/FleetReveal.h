// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BoardModel;
class Fleet;
class ShotRecord;

// At a game's end the board shows where the fleet lay: the cells not fired at take
// their ship pictures, as reveal mode paints them; the cells fired at keep their hits.
void showUnsunkShips(const Fleet &fleet, BoardModel &board, const ShotRecord &shots);
