// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The window's pictures, by their resource name without extension ("water", "ship3_2").
// Qt 6 picks "name@2x.png" by itself only for icons; a QPixmap loaded by file name
// stays at 1x. So on a screen with more than one device pixel per pixel the @2x
// file is loaded here, and its name gives it device-pixel ratio 2: it draws at the
// same size in the window, with every device pixel its own.
namespace Artwork {

QPixmap pixmap(const QString &name);

} // namespace Artwork
