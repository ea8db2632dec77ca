// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Ship numbers 1..5 are also fleet slots and placement option indices.
namespace ShipKinds {

constexpr int kShipCount = 5;
constexpr int kBoardCells = 100;
constexpr int kRowLength = 10;

constexpr bool isShipNumber(qint64 number) { return number >= 1 && number <= kShipCount; }
constexpr bool isCell(qint64 cell) { return cell >= 1 && cell <= kBoardCells; }

// A ship is one cell longer than its number.
constexpr int length(int shipNumber) { return shipNumber + 1; }

// Whether ship `shipNumber`, running down its column from `start`, stays on the board.
// Wide integers: both may come from another program.
constexpr bool fitsBoard(qint64 start, qint64 shipNumber)
{
    return isShipNumber(shipNumber) && start >= 1 && start + kRowLength * shipNumber <= kBoardCells;
}

QString name(int shipNumber); // "Destroyer" .. "Battleship"; empty outside 1..5

} // namespace ShipKinds
