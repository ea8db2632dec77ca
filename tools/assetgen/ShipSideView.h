// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ShipKind.h"

#include <QImage>
#include <QPainter>

// A warship seen from the side, bow to the right, filling the given area's height.
// Sizes are kept in proportion to the height, so a wider area gives a longer ship,
// and fine details (portholes, windows) appear only when drawn large. A stretch above 1
// draws every fitting wider, for a long picture that would otherwise look empty.
void paintSideView(QPainter &painter, const QRectF &area, ShipKind kind, double stretch = 1.0);

QImage topShipPicture(int scale);              // 571 x 73, the decorative battleship
QImage shipIconPicture(ShipKind kind, int scale); // 73 x 21, longer ships drawn longer
