// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ui/CellArt.h"

#include "board/ShipKinds.h"
#include "main/ui/widgets/Artwork.h"

const CellArt &CellArt::instance()
{
    static const CellArt art;
    return art;
}

CellArt::CellArt()
    : mWater(Artwork::pixmap(QStringLiteral("water")))
    , mHit(Artwork::pixmap(QStringLiteral("hit")))
    , mMiss(Artwork::pixmap(QStringLiteral("miss")))
{
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship)
        for (int segment = 1; segment <= ShipKinds::length(ship); ++segment)
            mSegments[ship - 1][segment - 1]
                = Artwork::pixmap(QStringLiteral("ship%1_%2").arg(ship).arg(segment));
}

const QPixmap &CellArt::pixmapFor(CellPicture picture) const
{
    switch (picture.kind) {
    case CellPicture::Kind::Hit:
        return mHit;
    case CellPicture::Kind::Miss:
        return mMiss;
    case CellPicture::Kind::ShipSegment:
        if (ShipKinds::isShipNumber(picture.ship) && picture.segment >= 1
            && picture.segment <= ShipKinds::length(picture.ship))
            return mSegments[picture.ship - 1][picture.segment - 1];
        return mWater;
    case CellPicture::Kind::Water:
        break;
    }
    return mWater;
}
