// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cursors.h"

#include "Canvas.h"
#include "Theme.h"

#include <QPainter>
#include <QPainterPath>


namespace {

constexpr int kSize = 32;
const QPointF kHotSpot(16.5, 16.5); // the centre of pixel (16, 16)

// Every stroke twice: a dark halo first, so the cursor reads on light and dark cells alike.
QImage haloedCursor(const QPainterPath &strokes, const QColor &colour, double width, int scale)
{
    QImage picture = canvas({kSize, kSize}, scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 170), width + 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strokes);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strokes);
    return picture;
}

} // namespace

QImage crosshairCursorPicture(int scale)
{
    QPainterPath reticle;
    reticle.addEllipse(kHotSpot, 9, 9);
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        reticle.moveTo(kHotSpot + direction * 4);
        reticle.lineTo(kHotSpot + direction * 14);
    }
    QImage picture = haloedCursor(reticle, theme::alarmRed, 1.5, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 170), 0.8));
    painter.setBrush(QColor(255, 240, 220));
    painter.drawEllipse(kHotSpot, 1.4, 1.4);
    return picture;
}

QImage removeCursorPicture(int scale)
{
    QPainterPath cross;
    cross.addEllipse(kHotSpot, 11, 11);
    cross.moveTo(kHotSpot + QPointF(-6, -6));
    cross.lineTo(kHotSpot + QPointF(6, 6));
    cross.moveTo(kHotSpot + QPointF(6, -6));
    cross.lineTo(kHotSpot + QPointF(-6, 6));
    return haloedCursor(cross, QColor(255, 70, 60), 2.6, scale);
}
