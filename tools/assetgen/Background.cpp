#include "Background.h"

#include "Canvas.h"
#include "SeededRandom.h"
#include "Theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kWidth = 699;
constexpr int kHeight = 479;

void paintChartGrid(QPainter &painter)
{
    painter.setPen(QPen(QColor(120, 170, 220, 14), 1));
    for (int x = 15; x < kWidth; x += 30)
        painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, kHeight));
    for (int y = 15; y < kHeight; y += 30)
        painter.drawLine(QPointF(0, y + 0.5), QPointF(kWidth, y + 0.5));
}

void paintSwell(QPainter &painter)
{
    SeededRandom random(0xB16);
    for (int line = 0; line < 26; ++line) {
        const double baseY = 12 + line * 18.0 + random.range(-4, 4);
        const double phase = random.range(0, 6.28);
        const double wavelength = random.range(70, 120);
        QPainterPath swell;
        for (int x = -10; x <= kWidth + 10; x += 6) {
            const double y = baseY + 3.0 * std::sin(x / wavelength * 6.28 + phase)
                             + 1.2 * std::sin(x / 23.0 + phase * 2);
            if (x == -10)
                swell.moveTo(x, y);
            else
                swell.lineTo(x, y);
        }
        const int alpha = 10 + int(random.range(0, 10)) + line / 2;
        painter.setPen(QPen(QColor(140, 195, 240, alpha), 1.0));
        painter.drawPath(swell);
    }
}

void paintRangeRings(QPainter &painter, QPointF centre)
{
    painter.setPen(QPen(QColor(110, 200, 170, 16), 1.0));
    for (int radius = 60; radius <= 300; radius += 60)
        painter.drawEllipse(centre, radius, radius);
}

} // namespace

QImage backgroundPicture(int scale)
{
    QImage picture = canvas({kWidth, kHeight}, scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient depth(0, 0, 0, kHeight);
    depth.setColorAt(0, theme::seaDeep.lighter(112));
    depth.setColorAt(0.55, theme::seaDeep);
    depth.setColorAt(1, theme::seaNight);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), depth);

    QRadialGradient light(QPointF(kWidth * 0.5, -kHeight * 0.2), kWidth * 0.75);
    light.setColorAt(0, QColor(60, 120, 180, 55));
    light.setColorAt(1, QColor(60, 120, 180, 0));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), light);

    paintChartGrid(painter);
    paintSwell(painter);
    paintRangeRings(painter, QPointF(kWidth - 40, kHeight - 30));

    // Darker corners keep the eye on the boards.
    QRadialGradient vignette(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.7);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 4, 12, 140));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), vignette);
    return picture;
}
