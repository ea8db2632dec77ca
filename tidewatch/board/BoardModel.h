// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/CellPicture.h"
#include "board/ShipKinds.h"

#include <array>
#include <functional>

// The 100 cell pictures of one board, cells numbered 1..100 from the top left,
// ten to a row. Writes outside 1..100 are ignored, so nothing paints off the board.
class BoardModel
{
public:
    CellPicture cell(int index) const; // water outside 1..100
    bool setCell(int index, CellPicture picture);

    // Called after every change; the board widget repaints from it.
    void setChangeListener(std::function<void(int index)> listener);

private:
    std::array<CellPicture, ShipKinds::kBoardCells> mCells{};
    std::function<void(int)> mListener;
};
