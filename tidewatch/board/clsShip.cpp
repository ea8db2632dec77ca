// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/clsShip.h"

#include "board/BoardModel.h"
#include "board/BoardProcedures.h"
#include "board/ShipKinds.h"

#include <limits>

namespace {

// Start cell and ship number may come from another program, so the cell of
// segment i is computed in 32 bits and never wraps.
constexpr qint32 segmentCell(qint32 startCell, qint32 segment)
{
    return startCell + ShipKinds::kRowLength * segment;
}

} // namespace

bool clsShip::IsDestroyed() const
{
    // Only a real ship can sink; an empty one (number 0) never does.
    return ShipKinds::isShipNumber(mDrawShipType) && mHitCount == mDrawShipType + 1;
}

qint16 clsShip::ShipIndex() const
{
    return mIndex;
}

void clsShip::DrawShip(qint16 Index, qint32 DrawShipType, BoardModel *MapControl) const
{
    if (!MapControl || !ShipKinds::isShipNumber(DrawShipType))
        return;
    for (qint32 segment = 0; segment <= DrawShipType; ++segment) {
        // A segment off the board is not drawn: the board refuses cells it does not have.
        MapControl->setCell(segmentCell(Index, segment), CellPicture::shipSegment(DrawShipType, segment + 1));
    }
}

bool clsShip::CanDrawShip(qint16 Index, qint32 DrawShipType, BoardModel *MapControl,
                          const Fleet &GridClassArrayName) const
{
    Q_UNUSED(MapControl);
    if (!ShipKinds::fitsBoard(Index, DrawShipType))
        return false;
    for (qint32 segment = 0; segment <= DrawShipType; ++segment) {
        if (IsShipAt(qint16(segmentCell(Index, segment)), GridClassArrayName))
            return false;
    }
    return true;
}

void clsShip::CreateShip(qint16 Index, qint32 DrawShipType, BoardModel *MapControl,
                         bool bDrawShip)
{
    mIndex = Index;
    mDrawShipType = DrawShipType;
    mMapControl = MapControl;
    if (bDrawShip)
        DrawShip(Index, DrawShipType, MapControl);
}

void clsShip::ReDrawShip() const
{
    DrawShip(mIndex, mDrawShipType, mMapControl);
}

bool clsShip::cShipIsHit(qint16 Index) const
{
    if (!ShipKinds::isCell(Index))
        return false;
    // Index = mIndex + 10 * i for some i in 0..mDrawShipType, without looping over
    // a ship number that may be huge.
    const qint32 offset = qint32(Index) - qint32(mIndex);
    if (offset < 0 || offset % ShipKinds::kRowLength != 0)
        return false;
    return offset / ShipKinds::kRowLength <= mDrawShipType;
}

void clsShip::IncrementHitCount()
{
    if (mHitCount < std::numeric_limits<qint16>::max())
        ++mHitCount;
}

void clsShip::DeleteShip()
{
    mIndex = 0;
    mDrawShipType = 0;
    mMapControl = nullptr;
    mHitCount = 0;
}
