#pragma once

#include <QByteArrayView>
#include <QImage>

#include <functional>

namespace reelkit {

// Decodes the first image of a GIF stream into a picture of that image's own
// rectangle (the width and height of its image descriptor), transparent where
// the frame says so. Throws ReelkitError with the decoder's description when the
// stream holds no decodable image. What follows the first image is ignored, and so
// is a missing block terminator and trailer at the end.
using FrameDecoder = std::function<QImage(QByteArrayView frameFile)>;

// giflib: decodes only the frame's rectangle.
QImage decodeFrameWithGiflib(QByteArrayView frameFile);

// Qt's GIF reader: decodes the whole logical screen, then crops the frame's rectangle.
QImage decodeFrameWithQt(QByteArrayView frameFile);

// Largest frame rectangle accepted, in pixels, so that a hostile descriptor cannot
// make the decoder allocate without bound.
inline constexpr qint64 kMaxFramePixels = qint64(8192) * 8192;

} // namespace reelkit
