// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ShotRecord.h"

#include "board/ShipKinds.h"

#include <algorithm>

bool ShotRecord::isSet(int cell) const
{
    return ShipKinds::isCell(cell) && mFlags[std::size_t(cell - 1)];
}

void ShotRecord::set(int cell)
{
    if (ShipKinds::isCell(cell))
        mFlags[std::size_t(cell - 1)] = true;
}

void ShotRecord::clear()
{
    mFlags.fill(false);
}

int ShotRecord::count() const
{
    return int(std::count(mFlags.begin(), mFlags.end(), true));
}
