// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/CellPicture.h"

#include <QPixmap>

#include <array>

// The 30 x 30 pictures a board cell can show, loaded once from the resources.
class CellArt
{
public:
    static const CellArt &instance();
    const QPixmap &pixmapFor(CellPicture picture) const;

private:
    CellArt();

    QPixmap mWater, mHit, mMiss;
    std::array<std::array<QPixmap, 6>, 5> mSegments; // [ship - 1][segment - 1]
};
