// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellPictures.h"

#include "Canvas.h"

#include "main/SeededRandom.h"
#include "Theme.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

QImage blankCell(int scale)
{
    QImage cell = canvas({kCellSize, kCellSize}, scale, QImage::Format_RGB32);
    cell.fill(theme::seaDeep);
    return cell;
}

void paintCrest(QPainter &painter, QPointF centre, double halfLength)
{
    QPainterPath crest;
    crest.moveTo(centre + QPointF(-halfLength, 0.8));
    crest.cubicTo(centre + QPointF(-halfLength * 0.5, -1.2), centre + QPointF(-halfLength * 0.1, -1.2),
                  centre + QPointF(halfLength * 0.25, 0.2));
    crest.cubicTo(centre + QPointF(halfLength * 0.5, 1.1), centre + QPointF(halfLength * 0.8, 0.6),
                  centre + QPointF(halfLength, -0.3));
    painter.drawPath(crest);
}

QPolygonF jaggedStar(QPointF centre, int spikes, double outer, double inner, SeededRandom &random)
{
    QPolygonF star;
    for (int i = 0; i < spikes * 2; ++i) {
        const double angle = i * std::numbers::pi / spikes + random.range(-0.13, 0.13);
        const double radius = (i % 2 == 0) ? outer * random.range(0.78, 1.0)
                                           : inner * random.range(0.85, 1.1);
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

} // namespace

void paintWaterCell(QPainter &painter, QPointF topLeft)
{
    painter.save();
    painter.translate(topLeft);
    const QRectF cell(0, 0, kCellSize, kCellSize);

    QLinearGradient sea(0, 0, kCellSize, kCellSize);
    sea.setColorAt(0, theme::seaLight);
    sea.setColorAt(1, theme::seaMid.darker(112));
    painter.fillRect(cell, sea);

    // The same three crests in every cell: a board reads as one calm sea, not as noise.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(170, 215, 250, 60), 1.0, Qt::SolidLine, Qt::RoundCap));
    paintCrest(painter, {8.5, 8.5}, 4.5);
    paintCrest(painter, {20.5, 15.5}, 5.0);
    paintCrest(painter, {10.5, 23.0}, 4.0);

    // Light top/left edge and dark bottom/right edge: together they draw the grid lines.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(0, 0, kCellSize, 1), QColor(110, 165, 210, 110));
    painter.fillRect(QRectF(0, 1, 1, kCellSize - 1), QColor(110, 165, 210, 80));
    painter.fillRect(QRectF(0, kCellSize - 1, kCellSize, 1), theme::cellShadow);
    painter.fillRect(QRectF(kCellSize - 1, 0, 1, kCellSize), theme::cellShadow);
    painter.restore();
}

QImage waterPicture(int scale)
{
    QImage cell = blankCell(scale);
    QPainter painter(&cell);
    paintWaterCell(painter, {0, 0});
    return cell;
}

QImage hitPicture(int scale)
{
    QImage cell = blankCell(scale);
    QPainter painter(&cell);
    paintWaterCell(painter, {0, 0});
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(15, 15.5);
    SeededRandom random(0x417);

    QRadialGradient glow(centre, 15);
    glow.setColorAt(0, QColor(255, 150, 50, 200));
    glow.setColorAt(0.6, QColor(255, 90, 30, 90));
    glow.setColorAt(1, QColor(255, 60, 20, 0));
    painter.setBrush(glow);
    painter.drawEllipse(centre, 15, 15);

    // Smoke behind the flame gives the fire an edge against the blue.
    QRadialGradient smoke(centre + QPointF(1.5, -1.5), 13);
    smoke.setColorAt(0.45, QColor(40, 30, 28, 210));
    smoke.setColorAt(1, QColor(30, 30, 34, 0));
    painter.setBrush(smoke);
    painter.drawPolygon(jaggedStar(centre + QPointF(1, -1), 9, 14, 10, random));

    QRadialGradient flame(centre, 13);
    flame.setColorAt(0, QColor(255, 252, 225));
    flame.setColorAt(0.22, QColor(255, 228, 110));
    flame.setColorAt(0.5, QColor(255, 150, 40));
    flame.setColorAt(0.8, QColor(232, 68, 24));
    flame.setColorAt(1, QColor(150, 26, 10));
    painter.setBrush(flame);
    painter.setPen(QPen(QColor(90, 14, 6, 160), 0.7));
    painter.drawPolygon(jaggedStar(centre, 11, 13, 6.5, random));

    painter.setPen(Qt::NoPen);
    QRadialGradient core(centre, 5.5);
    core.setColorAt(0, QColor(255, 255, 240));
    core.setColorAt(1, QColor(255, 220, 120, 0));
    painter.setBrush(core);
    painter.drawPolygon(jaggedStar(centre, 7, 6, 3.5, random));

    painter.setBrush(QColor(255, 236, 150));
    for (int i = 0; i < 6; ++i) {
        const double angle = random.range(0, 2 * std::numbers::pi);
        const double radius = random.range(11.5, 13.5);
        painter.drawEllipse(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)),
                            0.7, 0.7);
    }
    return cell;
}

QImage missPicture(int scale)
{
    QImage cell = blankCell(scale);
    QPainter painter(&cell);
    paintWaterCell(painter, {0, 0});
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(15, 15);
    SeededRandom random(0x5b1a5);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(225, 240, 255, 80), 1.2));
    painter.drawEllipse(centre, 11.5, 11.5);
    painter.setPen(QPen(QColor(235, 246, 255, 170), 1.6));
    painter.drawEllipse(centre, 8, 8);
    painter.setPen(QPen(QColor(245, 250, 255, 230), 1.4));
    painter.drawEllipse(centre, 4.8, 4.8);

    painter.setPen(Qt::NoPen);
    QRadialGradient foam(centre, 3.4);
    foam.setColorAt(0, theme::foam);
    foam.setColorAt(0.7, QColor(220, 238, 255, 220));
    foam.setColorAt(1, QColor(200, 230, 255, 0));
    painter.setBrush(foam);
    painter.drawEllipse(centre, 3.4, 3.4);

    painter.setBrush(QColor(240, 248, 255, 210));
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4 + random.range(-0.3, 0.3);
        const double radius = random.range(9.5, 13);
        painter.drawEllipse(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)),
                            0.8, 0.8);
    }
    return cell;
}
