// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What one board cell shows. Plain data, so tests can read a board without pixels.
struct CellPicture
{
    enum class Kind : quint8 { Water, Hit, Miss, ShipSegment };

    Kind kind = Kind::Water;
    qint8 ship = 0;    // ship number 1..5 for a segment
    qint8 segment = 0; // 1 = top cell of the ship

    static constexpr CellPicture water() { return {}; }
    static constexpr CellPicture hit() { return {Kind::Hit, 0, 0}; }
    static constexpr CellPicture miss() { return {Kind::Miss, 0, 0}; }
    static constexpr CellPicture shipSegment(int shipNumber, int segmentNumber)
    {
        return {Kind::ShipSegment, qint8(shipNumber), qint8(segmentNumber)};
    }

    friend constexpr bool operator==(const CellPicture &, const CellPicture &) = default;
};
