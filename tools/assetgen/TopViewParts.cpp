// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopViewParts.h"

#include "Theme.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>

namespace topview {

namespace {

QRadialGradient litMetal(QPointF light, double radius)
{
    QRadialGradient metal(light, radius);
    metal.setColorAt(0, theme::steelPale);
    metal.setColorAt(0.45, theme::steelLight);
    metal.setColorAt(1, theme::steelDark);
    return metal;
}

} // namespace

QPainterPath hullOutline(double centreX, double bowY, double sternY, double halfWidth,
                         double bowLength)
{
    const double sternHalf = halfWidth * 0.82;
    const double shoulder = bowY + bowLength;
    QPainterPath hull;
    hull.moveTo(centreX, bowY);
    hull.cubicTo(centreX + halfWidth * 0.45, bowY + bowLength * 0.2, centreX + halfWidth,
                 bowY + bowLength * 0.55, centreX + halfWidth, shoulder);
    hull.lineTo(centreX + halfWidth, sternY - bowLength * 0.6);
    hull.cubicTo(centreX + halfWidth, sternY - bowLength * 0.25, centreX + sternHalf, sternY - 1.5,
                 centreX + sternHalf - 1.5, sternY);
    hull.lineTo(centreX - sternHalf + 1.5, sternY);
    hull.cubicTo(centreX - sternHalf, sternY - 1.5, centreX - halfWidth, sternY - bowLength * 0.25,
                 centreX - halfWidth, sternY - bowLength * 0.6);
    hull.lineTo(centreX - halfWidth, shoulder);
    hull.cubicTo(centreX - halfWidth, bowY + bowLength * 0.55, centreX - halfWidth * 0.45,
                 bowY + bowLength * 0.2, centreX, bowY);
    hull.closeSubpath();
    return hull;
}

void paintHull(QPainter &painter, const QPainterPath &hull, double centreX, double halfWidth)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 8, 20, 120));
    painter.drawPath(hull.translated(1.3, 1.6));

    // Brighter along the centre line, darker towards the sides: the deck reads as curved.
    QLinearGradient deck(centreX - halfWidth, 0, centreX + halfWidth, 0);
    deck.setColorAt(0, theme::steelDark);
    deck.setColorAt(0.2, theme::steel);
    deck.setColorAt(0.5, theme::steelLight);
    deck.setColorAt(0.8, theme::steel);
    deck.setColorAt(1, theme::steelDark.darker(115));
    painter.setBrush(deck);
    painter.setPen(QPen(theme::outline, 0.9));
    painter.drawPath(hull);

    painter.setClipPath(hull);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 236, 242, 70), 1.0));
    painter.drawPath(hull.translated(0.8, 0.8));
    painter.restore();
}

void paintWake(QPainter &painter, double centreX, double bowY, double sternY, double halfWidth)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath wave;
        wave.moveTo(centreX, bowY - 1.0);
        wave.cubicTo(centreX + side * halfWidth * 0.7, bowY + 2, centreX + side * (halfWidth + 1.5),
                     bowY + 9, centreX + side * (halfWidth + 2.8), bowY + 17);
        painter.setPen(QPen(QColor(235, 245, 255, 60), 2.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(wave);
        painter.setPen(QPen(QColor(240, 248, 255, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(wave);
    }
    painter.setPen(Qt::NoPen);
    QRadialGradient churn(QPointF(centreX, sternY + 0.5), halfWidth);
    churn.setColorAt(0, QColor(240, 248, 255, 170));
    churn.setColorAt(1, QColor(240, 248, 255, 0));
    painter.setBrush(churn);
    painter.drawEllipse(QPointF(centreX, sternY + 0.5), halfWidth, 3.0);
    painter.restore();
}

void paintTurret(QPainter &painter, QPointF centre, double radius, double heading, int barrels,
                 double barrelLength)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(heading);

    const double spacing = radius * 0.52;
    const double barrelWidth = std::max(1.1, radius * 0.3);
    for (int i = 0; i < barrels; ++i) {
        const double x = (i - (barrels - 1) / 2.0) * spacing;
        painter.setPen(QPen(theme::gunMetal, barrelWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, -radius * 0.4), QPointF(x, -radius - barrelLength));
        painter.setPen(QPen(theme::steel, barrelWidth * 0.35, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x - barrelWidth * 0.15, -radius * 0.6),
                         QPointF(x - barrelWidth * 0.15, -radius - barrelLength + 0.4));
    }

    // Flat gun face forward, rounded back: the classic turret outline.
    QPainterPath body;
    body.moveTo(-radius * 0.72, -radius * 0.82);
    body.lineTo(radius * 0.72, -radius * 0.82);
    body.cubicTo(radius * 1.08, -radius * 0.5, radius * 1.08, radius * 0.6, radius * 0.55, radius);
    body.quadTo(0, radius * 1.2, -radius * 0.55, radius);
    body.cubicTo(-radius * 1.08, radius * 0.6, -radius * 1.08, -radius * 0.5, -radius * 0.72,
                 -radius * 0.82);
    painter.setBrush(litMetal(QPointF(-radius * 0.35, -radius * 0.3), radius * 1.7));
    painter.setPen(QPen(theme::outline, 0.7));
    painter.drawPath(body);

    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::steelDark);
    painter.drawEllipse(QPointF(radius * 0.3, radius * 0.4), radius * 0.2, radius * 0.2);
    painter.restore();
}

void paintDeckhouse(QPainter &painter, const QRectF &box, double corner)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(box.translated(0.9, 1.1), corner, corner);

    QLinearGradient side(box.topLeft(), box.topRight());
    side.setColorAt(0, theme::steelLight);
    side.setColorAt(0.35, theme::steelPale);
    side.setColorAt(1, theme::steel);
    painter.setBrush(side);
    painter.setPen(QPen(theme::outline, 0.7));
    painter.drawRoundedRect(box, corner, corner);

    // Bridge windows along the forward face.
    painter.setPen(QPen(QColor(30, 50, 70), std::min(1.2, box.height() * 0.12)));
    const double inset = box.width() * 0.18;
    painter.drawLine(QPointF(box.left() + inset, box.top() + 1.4),
                     QPointF(box.right() - inset, box.top() + 1.4));
    painter.restore();
}

void paintFunnel(QPainter &painter, QPointF centre, double radiusX, double radiusY)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(centre + QPointF(1, 1.3), radiusX, radiusY);
    painter.setBrush(litMetal(centre - QPointF(radiusX * 0.4, radiusY * 0.4), radiusX * 2));
    painter.setPen(QPen(theme::outline, 0.7));
    painter.drawEllipse(centre, radiusX, radiusY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(18, 20, 24));
    painter.drawEllipse(centre, radiusX * 0.6, radiusY * 0.6);
    painter.restore();
}

void paintRadarMast(QPainter &painter, QPointF centre, double span)
{
    painter.save();
    painter.setPen(QPen(theme::gunMetal, 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre - QPointF(span / 2, 0), centre + QPointF(span / 2, 0));
    painter.setPen(QPen(theme::outline, 0.6));
    painter.setBrush(theme::steelPale);
    painter.drawEllipse(centre, span * 0.17, span * 0.17);
    painter.restore();
}

void paintLaunchCells(QPainter &painter, const QRectF &area, int columns, int rows)
{
    painter.save();
    painter.setPen(QPen(theme::outline, 0.6));
    painter.setBrush(theme::steelDark);
    painter.drawRect(area);
    const double cellWidth = area.width() / columns;
    const double cellHeight = area.height() / rows;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const QRectF hatch(area.left() + column * cellWidth + 0.45,
                               area.top() + row * cellHeight + 0.45, cellWidth - 0.9,
                               cellHeight - 0.9);
            QLinearGradient lid(hatch.topLeft(), hatch.bottomRight());
            lid.setColorAt(0, theme::steelLight);
            lid.setColorAt(1, theme::steel.darker(120));
            painter.setPen(Qt::NoPen);
            painter.setBrush(lid);
            painter.drawRect(hatch);
        }
    painter.restore();
}

void paintHelipad(QPainter &painter, QPointF centre, double radius)
{
    painter.save();
    painter.setPen(QPen(QColor(240, 240, 235, 200), 0.8));
    painter.setBrush(QColor(60, 68, 76));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(245, 245, 240, 220), 0.9));
    const double half = radius * 0.42;
    painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(-half, half));
    painter.drawLine(centre + QPointF(half, -half), centre + QPointF(half, half));
    painter.drawLine(centre + QPointF(-half, 0), centre + QPointF(half, 0));
    painter.restore();
}

void paintAircraft(QPainter &painter, QPointF nose, double span, double heading)
{
    painter.save();
    painter.translate(nose);
    painter.rotate(heading);
    const double length = span * 1.25;
    QPainterPath jet;
    jet.moveTo(0, 0);
    jet.lineTo(span * 0.12, length * 0.35);
    jet.lineTo(span * 0.5, length * 0.72);
    jet.lineTo(span * 0.12, length * 0.75);
    jet.lineTo(span * 0.28, length);
    jet.lineTo(-span * 0.28, length);
    jet.lineTo(-span * 0.12, length * 0.75);
    jet.lineTo(-span * 0.5, length * 0.72);
    jet.lineTo(-span * 0.12, length * 0.35);
    jet.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(jet.translated(0.7, 0.9));
    painter.setPen(QPen(theme::outline, 0.4));
    painter.setBrush(QColor(0x9a, 0xa8, 0xb6));
    painter.drawPath(jet);
    painter.restore();
}

} // namespace topview
