// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class BoardModel;
class Fleet;

// One ship of a fleet. It runs straight down one column from its start cell.
// An empty ship (all fields zero, no board) covers no cell.
class clsShip
{
public:
    bool IsDestroyed() const;
    qint16 ShipIndex() const;

    // Paints ship DrawShipType from Index downward without recording anything.
    // Cells that would fall outside 1..100 are skipped.
    void DrawShip(qint16 Index, qint32 DrawShipType, BoardModel *MapControl) const;
    bool CanDrawShip(qint16 Index, qint32 DrawShipType, BoardModel *MapControl,
                     const Fleet &GridClassArrayName) const;
    void CreateShip(qint16 Index, qint32 DrawShipType, BoardModel *MapControl, bool bDrawShip);
    void ReDrawShip() const;
    // Whether the ship covers the cell. Cells outside 1..100 are never covered.
    bool cShipIsHit(qint16 Index) const;
    void IncrementHitCount();
    void DeleteShip();

    bool isEmpty() const { return mIndex == 0 && mDrawShipType == 0; }
    qint32 DrawShipType() const { return mDrawShipType; }
    qint16 hitCount() const { return mHitCount; }
    BoardModel *MapControl() const { return mMapControl; }

private:
    qint16 mIndex = 0;
    qint32 mDrawShipType = 0;
    BoardModel *mMapControl = nullptr;
    qint16 mHitCount = 0;
};
