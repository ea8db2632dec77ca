// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// A picture of `logical` size drawn at `scale` device pixels per logical pixel. The
// painter sees logical coordinates, so one drawing routine makes the 1x and the 2x file;
// at scale 1 the result is the plain picture, byte for byte.
inline QImage canvas(QSize logical, int scale, QImage::Format format)
{
    QImage picture(logical * scale, format);
    picture.setDevicePixelRatio(scale);
    return picture;
}
