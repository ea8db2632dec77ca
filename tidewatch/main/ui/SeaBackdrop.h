// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

// The window's backdrop, 699 x 479 logical pixels: a dark, calm sea under the panels
// and boards. Painted where it is needed instead of held as a picture, which would
// cost a full-window bitmap for as long as the program runs.
namespace SeaBackdrop {

constexpr QSize kSize{699, 479};

// Paints the part of the backdrop within `area` (logical pixels). The pixels are the
// same whatever the area, so a partial repaint matches a full one.
void paint(QPainter &painter, const QRect &area);

} // namespace SeaBackdrop
