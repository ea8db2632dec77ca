// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GifWriter.h"

#include <QImage>

// The radar on the main window: 73 x 73, a sweep turning clockwise over range rings,
// with contacts that flare as the beam passes and fade until the next turn.
inline constexpr int kRadarSize = 73;
inline constexpr int kRadarFrames = 24;

QImage radarFrame(int frame);   // true colour
GifAnimation radarAnimation();  // the frames mapped onto the radar's palette
