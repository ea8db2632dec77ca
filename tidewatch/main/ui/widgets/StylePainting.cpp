// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/StylePainting.h"

#include "main/ui/widgets/StyleColours.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

using namespace StyleColours;

namespace {

constexpr int kButtonRadius = 4;
constexpr int kFieldRadius = 3;

} // namespace

int fieldBorder(const QStyleOption *option)
{
    return option->state & QStyle::State_HasFocus ? kFocusBorder : 1;
}

void paintRoundedBox(QPainter &painter, const QRectF &rect, qreal radius, const QBrush &fill,
                     const QColor &border, qreal borderWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(rect, radius, radius);
    painter.setClipPath(outline, Qt::IntersectClip); // soft outer edge for fill and border alike
    painter.fillRect(rect, fill);
    if (borderWidth > 0) {
        const qreal w = borderWidth, r = radius;
        const qreal left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
        painter.fillRect(QRectF(left + r, top, rect.width() - 2 * r, w), border);
        painter.fillRect(QRectF(left + r, bottom - w, rect.width() - 2 * r, w), border);
        painter.fillRect(QRectF(left, top + r, w, rect.height() - 2 * r), border);
        painter.fillRect(QRectF(right - w, top + r, w, rect.height() - 2 * r), border);
        QPen pen(border, w);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        const qreal d = 2 * r - w;
        const QRectF topLeft(left + w / 2, top + w / 2, d, d);
        const QRectF topRight(right - 2 * r + w / 2, top + w / 2, d, d);
        const QRectF bottomLeft(left + w / 2, bottom - 2 * r + w / 2, d, d);
        const QRectF bottomRight(right - 2 * r + w / 2, bottom - 2 * r + w / 2, d, d);
        // Each corner as two half arcs, one from each edge: their overlap at the
        // diagonal keeps the curve as heavy as the straight edges.
        for (const auto &[box, start] : {std::pair{topLeft, 90}, {topRight, 0}, {bottomLeft, 180}, {bottomRight, 270}}) {
            painter.drawArc(box, start * 16, 45 * 16);
            painter.drawArc(box, (start + 45) * 16, 45 * 16);
        }
    }
    painter.restore();
}

void paintButton(const QStyleOption *option, QPainter *painter, bool inBox)
{
    const QStyle::State state = option->state;
    QColor fill = kButton;
    QColor border = inBox ? kBoxButtonBorder : kFieldBorder;
    int width = 1;
    if (!(state & QStyle::State_Enabled)) {
        fill = kButtonDisabled;
        border = kButtonDisabledBorder;
    } else {
        if (state & (QStyle::State_Sunken | QStyle::State_On))
            fill = kButtonPressed;
        else if (state & QStyle::State_MouseOver)
            fill = kButtonHover;
        if (state & QStyle::State_HasFocus)
            border = kFocus, width = kFocusBorder;
    }
    paintRoundedBox(*painter, option->rect, kButtonRadius, fill, border, width);
}

void paintField(const QStyleOption *option, QPainter *painter)
{
    const int border = fieldBorder(option);
    paintRoundedBox(*painter, option->rect, kFieldRadius, option->palette.base(),
                    border == kFocusBorder ? kFocus : kFieldBorder, border);
}

// The player list's drop-down button: a raised bevel in shades of the field colour.
void paintDropDown(const QRect &rect, QPainter *painter)
{
    const auto line = [painter](int x1, int y1, int x2, int y2, const QColor &colour) {
        painter->setPen(colour);
        painter->drawLine(x1, y1, x2, y2);
    };
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(rect, kField);
    const QColor light = kField.lighter(150), dark = kField.darker(150), shadow = kField.darker(300);
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    line(left + 1, top + 1, right - 2, top + 1, light);
    line(left + 1, top + 1, left + 1, bottom - 2, light);
    line(left + 1, bottom - 1, right - 1, bottom - 1, dark);
    line(right - 1, top + 1, right - 1, bottom - 1, dark);
    line(left, bottom, right, bottom, shadow);
    line(right, top, right, bottom, shadow);
    painter->restore();
}

void paintIndicator(const QStyleOption *option, QPainter *painter)
{
    const QRectF ring(option->rect.x(), option->rect.y() + (option->rect.height() - kIndicatorSize) / 2,
                      kIndicatorSize, kIndicatorSize);
    QBrush dot = kIndicator;
    if (option->state & QStyle::State_On) {
        // Measured from the ring's centre; the dot's rim then falls between pixels.
        QRadialGradient gradient(ring.center(), kIndicatorSize / 2.0 - 0.5);
        gradient.setStops({{0, kIndicatorDotCentre}, {0.55, kIndicatorDot}, {0.6, kIndicator}, {1, kIndicator}});
        dot = gradient;
    }
    const bool enabled = option->state & QStyle::State_Enabled;
    paintRoundedBox(*painter, ring, kIndicatorSize / 2.0, dot,
                    enabled ? kIndicatorBorder : kIndicatorDisabledBorder, 1);
}
