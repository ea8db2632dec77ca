// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPainterPath>

// Fittings of a warship seen from above, in strip coordinates: x across the ship,
// y from the bow (top) to the stern (bottom). Headings are degrees clockwise from the bow.
namespace topview {

QPainterPath hullOutline(double centreX, double bowY, double sternY, double halfWidth,
                         double bowLength);
void paintHull(QPainter &painter, const QPainterPath &hull, double centreX, double halfWidth);
void paintWake(QPainter &painter, double centreX, double bowY, double sternY, double halfWidth);

void paintTurret(QPainter &painter, QPointF centre, double radius, double heading, int barrels,
                 double barrelLength);
void paintDeckhouse(QPainter &painter, const QRectF &box, double corner);
void paintFunnel(QPainter &painter, QPointF centre, double radiusX, double radiusY);
void paintRadarMast(QPainter &painter, QPointF centre, double span);
void paintLaunchCells(QPainter &painter, const QRectF &area, int columns, int rows);
void paintHelipad(QPainter &painter, QPointF centre, double radius);
void paintAircraft(QPainter &painter, QPointF nose, double span, double heading);

} // namespace topview
