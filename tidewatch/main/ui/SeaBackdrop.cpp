// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/SeaBackdrop.h"

#include "main/SeededRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace SeaBackdrop {

namespace {

constexpr int kWidth = kSize.width();
constexpr int kHeight = kSize.height();
const QColor kSeaNight{0x06, 0x12, 0x22};
const QColor kSeaDeep{0x0b, 0x22, 0x3c};

void paintChartGrid(QPainter &painter)
{
    painter.setPen(QPen(QColor(120, 170, 220, 14), 1));
    for (int x = 15; x < kWidth; x += 30)
        painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, kHeight));
    for (int y = 15; y < kHeight; y += 30)
        painter.drawLine(QPointF(0, y + 0.5), QPointF(kWidth, y + 0.5));
}

void paintSwell(QPainter &painter, const QRect &area)
{
    constexpr double kReach = 3.0 + 1.2 + 1.0; // both waves and the pen around a line's base
    SeededRandom random(0xB16);
    for (int line = 0; line < 26; ++line) {
        // Every line draws its numbers, shown or not, so the later lines stay the same.
        const double baseY = 12 + line * 18.0 + random.range(-4, 4);
        const double phase = random.range(0, 6.28);
        const double wavelength = random.range(70, 120);
        const int alpha = 10 + int(random.range(0, 10)) + line / 2;
        if (baseY + kReach < area.top() || baseY - kReach > area.bottom() + 1)
            continue;
        QPainterPath swell;
        for (int x = -10; x <= kWidth + 10; x += 6) {
            const double y = baseY + 3.0 * std::sin(x / wavelength * 6.28 + phase)
                             + 1.2 * std::sin(x / 23.0 + phase * 2);
            if (x == -10)
                swell.moveTo(x, y);
            else
                swell.lineTo(x, y);
        }
        painter.setPen(QPen(QColor(140, 195, 240, alpha), 1.0));
        painter.drawPath(swell);
    }
}

void paintRangeRings(QPainter &painter, QPointF centre, const QRect &area)
{
    painter.setPen(QPen(QColor(110, 200, 170, 16), 1.0));
    for (int radius = 60; radius <= 300; radius += 60) {
        const QRectF ring(centre.x() - radius - 1, centre.y() - radius - 1, 2 * radius + 2, 2 * radius + 2);
        if (ring.intersects(area))
            painter.drawEllipse(centre, radius, radius);
    }
}

} // namespace

void paint(QPainter &painter, const QRect &area)
{
    const QRect whole(0, 0, kWidth, kHeight);
    painter.save();
    painter.setClipRect(area & whole, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient depth(0, 0, 0, kHeight);
    depth.setColorAt(0, kSeaDeep.lighter(112));
    depth.setColorAt(0.55, kSeaDeep);
    depth.setColorAt(1, kSeaNight);
    painter.fillRect(whole, depth);

    QRadialGradient light(QPointF(kWidth * 0.5, -kHeight * 0.2), kWidth * 0.75);
    light.setColorAt(0, QColor(60, 120, 180, 55));
    light.setColorAt(1, QColor(60, 120, 180, 0));
    painter.fillRect(whole, light);

    paintChartGrid(painter);
    paintSwell(painter, area);
    paintRangeRings(painter, QPointF(kWidth - 40, kHeight - 30), area);

    // Darker corners keep the eye on the boards.
    QRadialGradient vignette(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.7);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 4, 12, 140));
    painter.fillRect(whole, vignette);
    painter.restore();
}

} // namespace SeaBackdrop
