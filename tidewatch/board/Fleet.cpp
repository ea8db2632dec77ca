// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Fleet.h"

#include <QtGlobal>

clsShip &Fleet::operator[](int slot)
{
    Q_ASSERT_X(slot >= 1 && slot <= ShipKinds::kShipCount, "Fleet", "slot outside 1..5");
    // at() still refuses a bad slot in release builds instead of touching other memory.
    return mShips.at(std::size_t(slot - 1));
}

const clsShip &Fleet::operator[](int slot) const
{
    Q_ASSERT_X(slot >= 1 && slot <= ShipKinds::kShipCount, "Fleet", "slot outside 1..5");
    return mShips.at(std::size_t(slot - 1));
}

void Fleet::clear()
{
    for (clsShip &ship : mShips)
        ship.DeleteShip();
}

bool Fleet::isEmpty() const
{
    for (const clsShip &ship : mShips) {
        if (!ship.isEmpty())
            return false;
    }
    return true;
}

bool Fleet::isComplete() const
{
    for (const clsShip &ship : mShips) {
        if (ship.isEmpty())
            return false;
    }
    return true;
}
