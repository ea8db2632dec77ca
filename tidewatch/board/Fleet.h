// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/ShipKinds.h"
#include "board/clsShip.h"

#include <array>

// Five ships in slots 1..5; slot i always holds ship number i once placed.
class Fleet
{
public:
    // Slots are 1-based; a slot outside 1..5 is a programming error (asserted).
    clsShip &operator[](int slot);
    const clsShip &operator[](int slot) const;

    void clear(); // every ship emptied: a fleet between games
    bool isEmpty() const; // no ship placed
    bool isComplete() const; // all five placed

private:
    std::array<clsShip, ShipKinds::kShipCount> mShips{};
};
