// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The game's emblem: a warship crossing a radar scope inside a steel ring.
// Drawn at any size; the window icon and the about picture are two sizes of it.
QImage emblemPicture(int size);
