// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Writes a GIF89a animation with giflib's encoder: full-screen frames of a moving
// pattern with noise, so that the file is about as large as a real clip of that
// length. Returns an empty string on success, else the encoder's error.
QString writeSampleAnimation(const QString &path, int frames, int width, int height);
