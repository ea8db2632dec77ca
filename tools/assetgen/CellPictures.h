#pragma once

#include <QImage>
#include <QPainter>

// Board cells are 30 x 30 and touch, so each water cell carries its own thin edge.
inline constexpr int kCellSize = 30;

void paintWaterCell(QPainter &painter, QPointF topLeft);

QImage waterPicture();
QImage hitPicture();
QImage missPicture();
