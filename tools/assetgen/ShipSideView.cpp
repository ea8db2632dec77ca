// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShipSideView.h"

#include "Canvas.h"
#include "Theme.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Drawing units: the full picture is 24 units high; the waterline sits near the bottom.
constexpr double kUnitsHigh = 24.0;
constexpr double kWaterline = 22.6;

class SideSketch
{
public:
    SideSketch(QPainter &painter, double length, double pixelsPerUnit, double deckY, double bowRise)
        : m_painter(painter), m_length(length), m_scale(pixelsPerUnit), m_deckY(deckY),
          m_bowRise(bowRise)
    {
    }

    double at(double fraction) const { return fraction * m_length; }
    bool detailed() const { return m_scale >= 2.0; }

    // Sheer: the deck rises towards the bow and a little towards the stern.
    double deckAt(double x) const
    {
        const double fraction = x / m_length;
        const double bow = std::max(0.0, (fraction - 0.55) / 0.45);
        const double stern = std::max(0.0, (0.15 - fraction) / 0.15);
        return m_deckY - m_bowRise * bow * bow - 0.4 * stern;
    }

    void hull() const
    {
        QPainterPath shape;
        const int steps = 24;
        for (int i = 0; i <= steps; ++i) {
            const double x = 0.5 + (m_length - 0.8) * i / steps;
            if (i == 0)
                shape.moveTo(x, deckAt(x));
            else
                shape.lineTo(x, deckAt(x));
        }
        shape.cubicTo(m_length - 1.2, kWaterline - 4, m_length - 2.5, kWaterline, m_length - 4.5,
                      kWaterline + 0.9);
        shape.lineTo(2.2, kWaterline + 0.9);
        shape.lineTo(0.5, deckAt(0.5));
        shape.closeSubpath();

        QLinearGradient side(0, m_deckY - m_bowRise, 0, kWaterline);
        side.setColorAt(0, theme::steel);
        side.setColorAt(1, theme::steelDark.darker(125));
        m_painter.setPen(QPen(theme::outline, thin(0.25)));
        m_painter.setBrush(side);
        m_painter.drawPath(shape);

        m_painter.save();
        m_painter.setClipPath(shape);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(theme::antifouling);
        m_painter.drawRect(QRectF(0, kWaterline - 0.5, m_length, 2));
        if (detailed()) {
            m_painter.setBrush(QColor(22, 30, 40, 200));
            for (double x = at(0.08); x < at(0.9); x += 2.2)
                m_painter.drawEllipse(QPointF(x, deckAt(x) + 1.6), 0.28, 0.28);
        }
        m_painter.restore();
        m_painter.setPen(QPen(theme::steelPale, thin(0.22)));
        m_painter.drawLine(QPointF(1.0, deckAt(1.0) + 0.2), QPointF(at(0.97), deckAt(at(0.97)) + 0.2));
    }

    // A deckhouse tier with a raked forward face; `windows` marks the bridge.
    void block(double from, double to, double top, bool windows = false) const
    {
        const double left = at(from);
        const double right = at(to);
        const double base = std::max(deckAt(left), deckAt(right)) + 0.3;
        const double rake = std::min((base - top) * 0.2, (right - left) * 0.2);
        QPolygonF tier;
        tier << QPointF(left, base) << QPointF(right, base) << QPointF(right - rake, top)
             << QPointF(left + rake * 0.3, top);
        m_painter.setPen(QPen(theme::outline, thin(0.2)));
        m_painter.setBrush(verticalShade(top, base));
        m_painter.drawPolygon(tier);
        if (!windows)
            return;
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(28, 44, 62));
        const double windowTop = top + std::min(0.6, (base - top) * 0.25);
        if (detailed()) {
            for (double x = left + rake * 0.3 + 0.5; x + 0.5 < right - rake * 0.6; x += 0.9)
                m_painter.drawRect(QRectF(x, windowTop, 0.5, 0.6));
        } else {
            m_painter.drawRect(QRectF(left + 0.4, windowTop, right - left - rake - 0.6, thin(0.5)));
        }
    }

    void gun(double fraction, double size, bool forward, double raise) const
    {
        const double x = at(fraction);
        const double direction = forward ? 1.0 : -1.0;
        const double floor = deckAt(x) + 0.2 - raise;
        if (raise > 0) {
            m_painter.setPen(QPen(theme::outline, thin(0.2)));
            m_painter.setBrush(verticalShade(floor, floor + raise));
            m_painter.drawRect(QRectF(x - size * 0.9, floor, size * 1.8, raise + 0.3));
        }
        const double top = floor - size * 1.15;
        const QPointF root(x + direction * size * 0.8, floor - size * 0.6);
        const QPointF muzzle = root + QPointF(direction * size * 3.0, -size * 0.3);
        m_painter.setPen(QPen(theme::steelDark, thin(size * 0.4), Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(root, muzzle);
        if (detailed()) {
            m_painter.setPen(QPen(theme::steelLight, thin(size * 0.12), Qt::SolidLine, Qt::FlatCap));
            m_painter.drawLine(root - QPointF(0, size * 0.08), muzzle - QPointF(0, size * 0.08));
        }
        QPolygonF house;
        house << QPointF(x - direction * size * 1.5, floor) << QPointF(x + direction * size * 1.35, floor)
              << QPointF(x + direction * size * 0.95, top) << QPointF(x - direction * size * 1.35, top);
        m_painter.setPen(QPen(theme::outline, thin(0.2)));
        m_painter.setBrush(verticalShade(top, floor));
        m_painter.drawPolygon(house);
    }

    void funnel(double fraction, double width, double top) const
    {
        const double x = at(fraction);
        const double base = deckAt(x) + 0.2;
        const double rake = (base - top) * 0.18; // funnels lean aft
        QPolygonF stack;
        stack << QPointF(x - width / 2, base) << QPointF(x + width / 2, base)
              << QPointF(x + width * 0.42 - rake, top) << QPointF(x - width * 0.5 - rake, top);
        QLinearGradient shade(x - width / 2, 0, x + width / 2, 0);
        shade.setColorAt(0, theme::steel);
        shade.setColorAt(0.4, theme::steelPale);
        shade.setColorAt(1, theme::steel.darker(115));
        m_painter.setPen(QPen(theme::outline, thin(0.2)));
        m_painter.setBrush(shade);
        m_painter.drawPolygon(stack);
        const double cap = std::max(0.8, width * 0.22);
        const double capRake = cap * 0.18;
        QPolygonF band;
        band << QPointF(x - width * 0.5 - rake - 0.15 + capRake, top + cap)
             << QPointF(x + width * 0.42 - rake + 0.15 + capRake, top + cap)
             << QPointF(x + width * 0.42 - rake + 0.15, top) << QPointF(x - width * 0.5 - rake - 0.15, top);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(26, 28, 32));
        m_painter.drawPolygon(band);
    }

    // A tripod mast with two yards and a radar bar at the top.
    void mast(double fraction, double top, double foot) const
    {
        const double x = at(fraction);
        m_painter.setPen(QPen(theme::gunMetal, thin(0.3), Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(QPointF(x, foot), QPointF(x, top));
        m_painter.drawLine(QPointF(x - (foot - top) * 0.2, foot), QPointF(x, top + (foot - top) * 0.45));
        m_painter.drawLine(QPointF(x - 1.6, top + 1.6), QPointF(x + 1.6, top + 1.6));
        m_painter.drawLine(QPointF(x - 1.0, top + 3.0), QPointF(x + 1.0, top + 3.0));
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(theme::steelPale);
        m_painter.drawRect(QRectF(x - 1.1, top - 0.3, 2.2, thin(0.6)));
    }

    void launcher(double fraction) const
    {
        const double x = at(fraction);
        const double base = deckAt(x);
        m_painter.setPen(QPen(theme::outline, thin(0.2)));
        m_painter.setBrush(theme::steel);
        m_painter.drawRect(QRectF(x - 1.2, base - 1.0, 2.4, 1.2));
        m_painter.save();
        m_painter.translate(x, base - 1.0);
        m_painter.rotate(-24);
        for (int tube = 0; tube < 2; ++tube) {
            m_painter.setBrush(tube == 0 ? theme::steelLight : theme::steelPale);
            m_painter.drawRoundedRect(QRectF(-2.4, -1.1 - tube * 1.0, 5.0, 1.0), 0.3, 0.3);
        }
        m_painter.restore();
    }

    void flightDeck(double top) const
    {
        QPolygonF deck;
        deck << QPointF(at(0.01), top) << QPointF(m_length - 0.2, top - 0.3)
             << QPointF(m_length - 1.6, top + 1.3) << QPointF(at(0.03), top + 1.3);
        m_painter.setPen(QPen(theme::outline, thin(0.2)));
        m_painter.setBrush(theme::steel.darker(105));
        m_painter.drawPolygon(deck);
    }

    void aircraft(double fraction, double deckTop) const
    {
        const double x = at(fraction);
        QPolygonF jet;
        jet << QPointF(x + 1.8, deckTop - 0.3) << QPointF(x - 1.6, deckTop - 0.35)
            << QPointF(x - 1.9, deckTop - 1.5) << QPointF(x - 1.2, deckTop - 0.8)
            << QPointF(x + 1.2, deckTop - 0.8);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(0x9a, 0xa8, 0xb6));
        m_painter.drawPolygon(jet);
    }

private:
    static QLinearGradient verticalShade(double top, double bottom)
    {
        QLinearGradient shade(0, top, 0, bottom);
        shade.setColorAt(0, theme::steelPale);
        shade.setColorAt(1, theme::steel);
        return shade;
    }

    // Pen widths in units, but never thinner than about a pixel.
    double thin(double units) const { return std::max(units, 0.75 / m_scale); }

    QPainter &m_painter;
    double m_length;
    double m_scale;
    double m_deckY;
    double m_bowRise;
};

void sketchDestroyer(const SideSketch &ship)
{
    ship.hull();
    ship.gun(0.8, 1.6, true, 0);
    ship.block(0.47, 0.68, 12.5);
    ship.block(0.55, 0.66, 10, true);
    ship.mast(0.6, 3, 10);
    ship.funnel(0.4, 3.4, 10);
    ship.block(0.22, 0.34, 14);
    ship.gun(0.13, 1.4, false, 0);
}

void sketchCruiser(const SideSketch &ship)
{
    ship.hull();
    ship.gun(0.84, 1.6, true, 0);
    ship.gun(0.74, 1.7, true, 1.4);
    ship.block(0.5, 0.66, 12);
    ship.block(0.54, 0.64, 9, true);
    ship.mast(0.58, 2, 9);
    ship.funnel(0.45, 3.2, 9);
    ship.funnel(0.37, 3.0, 9.5);
    ship.block(0.2, 0.31, 13.5);
    ship.gun(0.12, 1.6, false, 0);
}

void sketchMissileLauncher(const SideSketch &ship)
{
    ship.hull();
    ship.gun(0.87, 1.3, true, 0);
    ship.block(0.73, 0.8, 15.8);
    ship.block(0.5, 0.69, 11);
    ship.block(0.54, 0.66, 7.5, true);
    ship.mast(0.6, 1.5, 7.5);
    ship.launcher(0.44);
    ship.launcher(0.37);
    ship.funnel(0.3, 3.2, 10);
    ship.block(0.08, 0.25, 13);
}

void sketchCarrier(const SideSketch &ship)
{
    ship.hull();
    ship.flightDeck(13.3);
    ship.block(0.6, 0.72, 7);
    ship.block(0.63, 0.7, 5, true);
    ship.mast(0.665, 1, 5);
    for (const double at : {0.1, 0.2, 0.3, 0.82, 0.9})
        ship.aircraft(at, 13.3);
}

void sketchBattleship(const SideSketch &ship)
{
    ship.hull();
    ship.gun(0.83, 2.4, true, 0);
    ship.gun(0.725, 2.5, true, 2.0);
    ship.block(0.47, 0.65, 12);
    ship.gun(0.635, 1.0, true, 5.2);
    ship.block(0.5, 0.62, 9);
    ship.block(0.53, 0.6, 6, true);
    ship.mast(0.565, 0.8, 6);
    ship.funnel(0.43, 4.6, 7);
    ship.block(0.29, 0.41, 12.5);
    ship.block(0.33, 0.39, 10);
    ship.mast(0.36, 3.5, 10);
    ship.gun(0.3, 1.0, false, 4.7);
    ship.gun(0.23, 2.5, false, 2.0);
    ship.gun(0.12, 2.4, false, 0);
}

} // namespace

void paintSideView(QPainter &painter, const QRectF &area, ShipKind kind, double stretch)
{
    const double pixelsPerUnit = area.height() / kUnitsHigh;
    const double length = area.width() / (pixelsPerUnit * stretch);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(pixelsPerUnit * stretch, pixelsPerUnit);
    const bool carrier = kind == ShipKind::AircraftCarrier;
    const SideSketch ship(painter, length, pixelsPerUnit, carrier ? 15.5 : 17.0, carrier ? 1.0 : 2.0);
    switch (kind) {
    case ShipKind::Destroyer:
        sketchDestroyer(ship);
        break;
    case ShipKind::Cruiser:
        sketchCruiser(ship);
        break;
    case ShipKind::MissileLauncher:
        sketchMissileLauncher(ship);
        break;
    case ShipKind::AircraftCarrier:
        sketchCarrier(ship);
        break;
    case ShipKind::Battleship:
        sketchBattleship(ship);
        break;
    }
    painter.restore();
}

QImage topShipPicture(int scale)
{
    QImage picture = canvas({571, 73}, scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paintSideView(painter, QRectF(4, 0, 563, 73), ShipKind::Battleship, 1.5);
    return picture;
}

QImage shipIconPicture(ShipKind kind, int scale)
{
    QImage picture = canvas({73, 21}, scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const double width = 37 + 9 * (shipLength(kind) - 2);
    paintSideView(painter, QRectF(0, 0, width, 21), kind);
    return picture;
}
