// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <gif_lib.h>

// What the generated sample files share: giflib writing into memory, and the count of
// frame markers the frame split will find in the result.

// A giflib writer that appends to `bytes`; nullptr with giflib's code in `code`.
GifFileType *openGifWriter(QByteArray &bytes, int *code);

// How many times "00 21 F9" (a block's end, then a graphic control extension) occurs.
qsizetype countFrameMarkers(QByteArrayView bytes);
