// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardModel.h"

#include "board/ShipKinds.h"

#include <utility>

CellPicture BoardModel::cell(int index) const
{
    if (!ShipKinds::isCell(index))
        return CellPicture::water();
    return mCells[std::size_t(index - 1)];
}

bool BoardModel::setCell(int index, CellPicture picture)
{
    if (!ShipKinds::isCell(index))
        return false;
    mCells[std::size_t(index - 1)] = picture;
    if (mListener)
        mListener(index);
    return true;
}

void BoardModel::setChangeListener(std::function<void(int index)> listener)
{
    mListener = std::move(listener);
}
