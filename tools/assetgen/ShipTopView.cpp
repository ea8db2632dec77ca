// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShipTopView.h"

#include "Canvas.h"
#include "CellPictures.h"
#include "Theme.h"
#include "TopViewParts.h"

#include <QLinearGradient>

namespace {

constexpr double kCentreX = kCellSize / 2.0;
constexpr double kBowY = 3.0;

double sternY(ShipKind kind) { return shipLength(kind) * kCellSize - 3.0; }

void paintDestroyer(QPainter &painter)
{
    const double halfWidth = 7.0;
    const double stern = sternY(ShipKind::Destroyer);
    const QPainterPath hull = topview::hullOutline(kCentreX, kBowY, stern, halfWidth, 17);
    topview::paintWake(painter, kCentreX, kBowY, stern, halfWidth);
    topview::paintHull(painter, hull, kCentreX, halfWidth);
    topview::paintTurret(painter, {kCentreX, 15}, 3.2, 0, 1, 5.5);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 4.8, 21, 9.6, 12), 1.5);
    topview::paintRadarMast(painter, {kCentreX, 28}, 8);
    topview::paintFunnel(painter, {kCentreX, 38}, 2.8, 3.4);
    topview::paintTurret(painter, {kCentreX, 49}, 2.7, 180, 1, 4.5);
}

void paintCruiser(QPainter &painter)
{
    const double halfWidth = 8.0;
    const double stern = sternY(ShipKind::Cruiser);
    const QPainterPath hull = topview::hullOutline(kCentreX, kBowY, stern, halfWidth, 22);
    topview::paintWake(painter, kCentreX, kBowY, stern, halfWidth);
    topview::paintHull(painter, hull, kCentreX, halfWidth);
    topview::paintTurret(painter, {kCentreX, 19}, 3.5, 0, 2, 6);
    topview::paintTurret(painter, {kCentreX, 28.5}, 3.8, 0, 2, 6.5);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 6, 35, 12, 15), 2);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 4, 39, 8, 7), 1.2);
    topview::paintRadarMast(painter, {kCentreX, 43}, 10);
    topview::paintFunnel(painter, {kCentreX, 55}, 3.2, 3.6);
    topview::paintFunnel(painter, {kCentreX, 64}, 3.0, 3.4);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 4, 69, 8, 5), 1.2);
    topview::paintTurret(painter, {kCentreX, 79}, 3.6, 180, 2, 5.5);
}

void paintCanisters(QPainter &painter, QPointF centre, double slant)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(slant);
    for (int i = 0; i < 4; ++i) {
        const QRectF tube(-5.6 + i * 2.8, -4.5, 2.4, 9);
        QLinearGradient shade(tube.topLeft(), tube.topRight());
        shade.setColorAt(0, theme::steelPale);
        shade.setColorAt(1, theme::steel.darker(115));
        painter.setBrush(shade);
        painter.setPen(QPen(theme::outline, 0.5));
        painter.drawRoundedRect(tube, 0.8, 0.8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::alarmRed.darker(140));
        painter.drawEllipse(QPointF(tube.center().x(), tube.top() + 1.2), 0.7, 0.7);
    }
    painter.restore();
}

void paintMissileLauncher(QPainter &painter)
{
    const double halfWidth = 9.0;
    const double stern = sternY(ShipKind::MissileLauncher);
    const QPainterPath hull = topview::hullOutline(kCentreX, kBowY, stern, halfWidth, 24);
    topview::paintWake(painter, kCentreX, kBowY, stern, halfWidth);
    topview::paintHull(painter, hull, kCentreX, halfWidth);
    topview::paintTurret(painter, {kCentreX, 15}, 2.8, 0, 1, 5);
    topview::paintLaunchCells(painter, QRectF(kCentreX - 5.5, 23, 11, 16), 4, 6);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 7, 43, 14, 19), 2);
    // Flat phased-array faces on the corners of the bridge block.
    painter.setPen(QPen(theme::outline, 0.5));
    painter.setBrush(QColor(0x2c, 0x3e, 0x55));
    for (const QPointF corner : {QPointF(-5.2, 46.5), QPointF(5.2, 46.5), QPointF(-5.2, 58.5),
                                 QPointF(5.2, 58.5)})
        painter.drawEllipse(QPointF(kCentreX, 0) + corner, 1.7, 1.7);
    topview::paintRadarMast(painter, {kCentreX, 52}, 11);
    paintCanisters(painter, {kCentreX, 70}, -28);
    paintCanisters(painter, {kCentreX, 82}, 28);
    topview::paintFunnel(painter, {kCentreX, 92}, 3.0, 3.4);
    topview::paintLaunchCells(painter, QRectF(kCentreX - 5.5, 97, 11, 6), 4, 2);
    topview::paintHelipad(painter, {kCentreX, 110}, 5.5);
}

void paintCarrier(QPainter &painter)
{
    const double stern = sternY(ShipKind::AircraftCarrier);
    const QPainterPath hull = topview::hullOutline(kCentreX, kBowY, stern, 10, 26);
    topview::paintWake(painter, kCentreX, kBowY, stern, 10);
    topview::paintHull(painter, hull, kCentreX, 10);

    // Flight deck: wider than the hull, with the angled landing deck bulging to port.
    QPainterPath deck;
    deck.moveTo(kCentreX - 7, 6);
    deck.lineTo(kCentreX + 7, 6);
    deck.lineTo(kCentreX + 12, 22);
    deck.lineTo(kCentreX + 12, stern - 2);
    deck.lineTo(kCentreX - 10, stern - 2);
    deck.lineTo(kCentreX - 13.5, 100);
    deck.lineTo(kCentreX - 13.5, 62);
    deck.lineTo(kCentreX - 10.5, 40);
    deck.lineTo(kCentreX - 10.5, 22);
    deck.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 8, 20, 120));
    painter.drawPath(deck.translated(1.3, 1.6));
    QLinearGradient asphalt(kCentreX - 13, 0, kCentreX + 12, 0);
    asphalt.setColorAt(0, QColor(0x3a, 0x43, 0x4d));
    asphalt.setColorAt(0.5, QColor(0x55, 0x60, 0x6b));
    asphalt.setColorAt(1, QColor(0x3a, 0x43, 0x4d));
    painter.setBrush(asphalt);
    painter.setPen(QPen(theme::outline, 0.9));
    painter.drawPath(deck);

    painter.save();
    painter.setClipPath(deck);
    const QColor white(235, 238, 240, 220);
    painter.setPen(QPen(white, 0.8, Qt::DashLine));
    painter.drawLine(QPointF(kCentreX - 1, 12), QPointF(kCentreX - 1, stern - 6));
    painter.setPen(QPen(white, 0.8));
    painter.drawLine(QPointF(kCentreX - 5, stern - 4), QPointF(kCentreX - 11.5, 64));
    painter.drawLine(QPointF(kCentreX + 3, stern - 4), QPointF(kCentreX - 3.5, 64));
    painter.setPen(QPen(QColor(240, 200, 60, 200), 0.7, Qt::DashLine));
    painter.drawLine(QPointF(kCentreX - 1, stern - 4), QPointF(kCentreX - 7.5, 64));
    painter.setPen(QPen(QColor(240, 200, 60, 170), 0.6));
    painter.drawLine(QPointF(kCentreX - 9.5, 24), QPointF(kCentreX - 9.5, 58));
    painter.drawLine(QPointF(kCentreX + 11, 24), QPointF(kCentreX + 11, 74));
    painter.restore();

    painter.setPen(QPen(QColor(20, 24, 28), 0.6));
    painter.setBrush(QColor(0x4a, 0x54, 0x5e));
    painter.drawRect(QRectF(kCentreX + 4, 104, 6, 6));
    painter.drawRect(QRectF(kCentreX - 9, 46, 6, 6));

    topview::paintDeckhouse(painter, QRectF(kCentreX + 8.2, 76, 4.6, 20), 1.2);
    topview::paintRadarMast(painter, {kCentreX + 10.5, 85}, 5);
    for (const double y : {12.0, 22.0, 32.0})
        topview::paintAircraft(painter, {kCentreX + 6.5, y}, 6, -10);
    topview::paintAircraft(painter, {kCentreX - 5, 14}, 6, 0);
    topview::paintAircraft(painter, {kCentreX + 7, 116}, 6, -20);
    topview::paintAircraft(painter, {kCentreX + 7, 128}, 6, -20);
}

void paintBattleship(QPainter &painter)
{
    const double halfWidth = 10.5;
    const double stern = sternY(ShipKind::Battleship);
    const QPainterPath hull = topview::hullOutline(kCentreX, kBowY, stern, halfWidth, 32);
    topview::paintWake(painter, kCentreX, kBowY, stern, halfWidth);
    topview::paintHull(painter, hull, kCentreX, halfWidth);

    painter.setPen(QPen(theme::gunMetal, 0.7));
    painter.drawLine(QPointF(kCentreX - 1.5, 9), QPointF(kCentreX - 2.5, 19));
    painter.drawLine(QPointF(kCentreX + 1.5, 9), QPointF(kCentreX + 2.5, 19));

    topview::paintTurret(painter, {kCentreX, 31}, 5.0, 0, 3, 9);
    topview::paintTurret(painter, {kCentreX, 46}, 5.3, 0, 3, 9);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 7.5, 55, 15, 32), 2.5);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 5, 60, 10, 14), 1.8);
    topview::paintRadarMast(painter, {kCentreX, 66}, 13);
    for (const double side : {-1.0, 1.0})
        for (const double y : {72.0, 96.0})
            topview::paintTurret(painter, {kCentreX + side * 7.6, y}, 2.0, side * 90, 2, 3);
    topview::paintFunnel(painter, {kCentreX, 92}, 4.0, 5.0);
    topview::paintDeckhouse(painter, QRectF(kCentreX - 5, 103, 10, 13), 1.5);
    topview::paintRadarMast(painter, {kCentreX, 109}, 9);
    topview::paintTurret(painter, {kCentreX, 127}, 5.3, 180, 3, 9);
    topview::paintTurret(painter, {kCentreX, 142}, 5.0, 180, 3, 9);

    painter.setPen(QPen(theme::gunMetal, 1.0));
    painter.drawLine(QPointF(kCentreX + 4, 158), QPointF(kCentreX - 3, 170));
    topview::paintAircraft(painter, {kCentreX - 1.5, 159}, 6, -30);
}

} // namespace

QImage shipTopView(ShipKind kind, int scale)
{
    QImage strip = canvas({kCellSize, kCellSize * shipLength(kind)}, scale, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int cell = 0; cell < shipLength(kind); ++cell)
        paintWaterCell(painter, QPointF(0, cell * kCellSize));
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case ShipKind::Destroyer:
        paintDestroyer(painter);
        break;
    case ShipKind::Cruiser:
        paintCruiser(painter);
        break;
    case ShipKind::MissileLauncher:
        paintMissileLauncher(painter);
        break;
    case ShipKind::AircraftCarrier:
        paintCarrier(painter);
        break;
    case ShipKind::Battleship:
        paintBattleship(painter);
        break;
    }
    return strip;
}

QList<QImage> shipSegments(ShipKind kind, int scale)
{
    const QImage strip = shipTopView(kind, scale);
    QList<QImage> segments;
    for (int cell = 0; cell < shipLength(kind); ++cell)
        segments << strip.copy(0, cell * kCellSize * scale, kCellSize * scale, kCellSize * scale);
    return segments;
}
