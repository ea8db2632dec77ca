// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>

// Board cells are 30 x 30 and touch, so each water cell carries its own thin edge.
inline constexpr int kCellSize = 30;

void paintWaterCell(QPainter &painter, QPointF topLeft);

// `scale` device pixels per pixel: 1 for the plain file, 2 for its @2x twin.
QImage waterPicture(int scale);
QImage hitPicture(int scale);
QImage missPicture(int scale);
