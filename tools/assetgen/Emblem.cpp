// SPDX-License-Identifier: GPL-3.0-or-later
#include "Emblem.h"

#include "ShipSideView.h"
#include "Theme.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

void paintScope(QPainter &painter, QPointF centre, double radius)
{
    QRadialGradient screen(centre, radius);
    screen.setColorAt(0, QColor(0x10, 0x3a, 0x3a));
    screen.setColorAt(1, QColor(0x04, 0x14, 0x20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(screen);
    painter.drawEllipse(centre, radius, radius);

    QConicalGradient sweep(centre, 50);
    QColor trail = theme::phosphor;
    trail.setAlpha(150);
    sweep.setColorAt(0, trail);
    trail.setAlpha(0);
    sweep.setColorAt(0.28, trail);
    sweep.setColorAt(1, trail);
    painter.setBrush(sweep);
    painter.drawEllipse(centre, radius, radius);

    QColor ring = theme::phosphor;
    ring.setAlpha(90);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, std::max(0.8, radius * 0.025)));
    for (const double fraction : {0.33, 0.66})
        painter.drawEllipse(centre, radius * fraction, radius * fraction);
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    painter.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));

    const double angle = 50 * std::numbers::pi / 180;
    painter.setPen(QPen(theme::phosphor, std::max(1.0, radius * 0.035), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(std::cos(angle), -std::sin(angle)) * radius);

    painter.setPen(Qt::NoPen);
    for (const QPointF blip : {QPointF(0.38, -0.42), QPointF(-0.5, -0.25), QPointF(0.15, -0.7)}) {
        const QPointF spot = centre + blip * radius;
        QRadialGradient glow(spot, radius * 0.1);
        glow.setColorAt(0, QColor(220, 255, 230));
        glow.setColorAt(0.4, theme::phosphor);
        glow.setColorAt(1, QColor(76, 255, 134, 0));
        painter.setBrush(glow);
        painter.drawEllipse(spot, radius * 0.1, radius * 0.1);
    }
}

void paintSea(QPainter &painter, QPointF centre, double radius)
{
    QPainterPath sea;
    const double top = centre.y() + radius * 0.36;
    sea.moveTo(centre.x() - radius, top);
    for (int i = 1; i <= 32; ++i) {
        const double x = centre.x() - radius + 2 * radius * i / 32.0;
        sea.lineTo(x, top + std::sin(i * 0.9) * radius * 0.025);
    }
    sea.lineTo(centre.x() + radius, centre.y() + radius);
    sea.lineTo(centre.x() - radius, centre.y() + radius);
    sea.closeSubpath();
    QLinearGradient water(0, top, 0, centre.y() + radius);
    water.setColorAt(0, theme::seaLight);
    water.setColorAt(1, theme::seaDeep);
    painter.setPen(QPen(QColor(200, 230, 255, 140), std::max(0.7, radius * 0.02)));
    painter.setBrush(water);
    painter.drawPath(sea);
}

} // namespace

QImage emblemPicture(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size / 2.0 - 0.75;
    const double ringWidth = size * 0.075;
    const double inner = outer - ringWidth;

    QLinearGradient rim(0, 0, size, size);
    rim.setColorAt(0, theme::steelPale);
    rim.setColorAt(0.45, theme::steel);
    rim.setColorAt(1, theme::steelDark.darker(130));
    painter.setPen(QPen(theme::outline, std::max(1.0, size / 64.0)));
    painter.setBrush(rim);
    painter.drawEllipse(centre, outer, outer);

    painter.save();
    QPainterPath face;
    face.addEllipse(centre, inner, inner);
    painter.setClipPath(face);
    paintScope(painter, centre, inner);
    paintSea(painter, centre, inner);
    const double shipWidth = inner * 1.9;
    const double shipHeight = shipWidth * 0.27;
    paintSideView(painter,
                  QRectF(centre.x() - shipWidth / 2, centre.y() + inner * 0.41 - shipHeight,
                         shipWidth, shipHeight),
                  ShipKind::Battleship);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 140), std::max(1.0, size / 48.0)));
    painter.drawEllipse(centre, inner, inner);
    painter.setPen(QPen(QColor(255, 255, 255, 70), std::max(0.8, size / 80.0)));
    painter.drawEllipse(centre, outer - ringWidth * 0.35, outer - ringWidth * 0.35);
    return picture;
}
