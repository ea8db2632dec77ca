// SPDX-License-Identifier: GPL-3.0-or-later
#include "Background.h"

#include "Canvas.h"
#include "main/ui/SeaBackdrop.h"

#include <QPainter>

QImage backgroundPicture(int scale)
{
    QImage picture = canvas(SeaBackdrop::kSize, scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    SeaBackdrop::paint(painter, QRect(QPoint(0, 0), SeaBackdrop::kSize));
    return picture;
}
