// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// 32 x 32 cursor pictures on a transparent ground; the game puts the hot spot at (16, 16),
// so both are drawn around that pixel.
QImage crosshairCursorPicture(int scale);
QImage removeCursorPicture(int scale);
