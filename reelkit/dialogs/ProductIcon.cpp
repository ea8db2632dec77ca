// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/ProductIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace reelkit {

QPixmap productIcon()
{
    constexpr int kSize = 32;
    QPixmap icon(kSize, kSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x3a, 0x5f));
    painter.drawRoundedRect(QRectF(2, 4, 28, 24), 3, 3);

    painter.setBrush(QColor(0xe8, 0xee, 0xf4));
    for (int x = 5; x < 29; x += 5) {
        painter.drawRect(QRectF(x, 6, 3, 2));
        painter.drawRect(QRectF(x, 24, 3, 2));
    }

    painter.setBrush(QColor(0x2e, 0xa8, 0xc9));
    painter.drawRect(QRectF(5, 10, 22, 12));

    QPainterPath play;
    play.moveTo(13, 12);
    play.lineTo(21, 16);
    play.lineTo(13, 20);
    play.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(play);
    return icon;
}

} // namespace reelkit
