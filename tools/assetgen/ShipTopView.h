// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ShipKind.h"

#include <QImage>
#include <QList>

// A whole ship seen from above, lying bow up over a column of water cells.
QImage shipTopView(ShipKind kind, int scale);

// The same picture cut into its cells, bow first: drawing the ship in one piece
// keeps the hull continuous across the cell borders.
QList<QImage> shipSegments(ShipKind kind, int scale);
