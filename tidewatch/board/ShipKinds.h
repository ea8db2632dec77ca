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

QString name(int shipNumber); // "Destroyer" .. "Battleship"; empty outside 1..5

} // namespace ShipKinds
