// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/CellPicture.h"

#include <QMetaType>
#include <QTest>

// Readable cell pictures in failure messages, and as a column type of data rows.
inline char *toString(const CellPicture &picture)
{
    switch (picture.kind) {
    case CellPicture::Kind::Water: return qstrdup("water");
    case CellPicture::Kind::Hit: return qstrdup("hit");
    case CellPicture::Kind::Miss: return qstrdup("miss");
    case CellPicture::Kind::ShipSegment: break;
    }
    return QTest::toString(QByteArray("ship ") + QByteArray::number(picture.ship) + " segment "
                           + QByteArray::number(picture.segment));
}

Q_DECLARE_METATYPE(CellPicture)
