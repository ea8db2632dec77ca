// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>

#include <functional>

namespace reelkit {

// Decodes the frames of one file. It is made once from the file's header (the
// bytes up to the first frame marker's 00 21) and then called with each frame's
// chunk; the frame is the first image of the stream header + chunk. The picture is
// that image's own rectangle (the width and height of its image descriptor) in its
// colours, transparent where the frame says so. Throws ReelkitError with a
// description when the stream holds no decodable image. What follows the first
// image is ignored, and so is a missing block terminator and trailer at the end.
using FrameDecoder = std::function<QImage(QByteArrayView chunk)>;
using FrameDecoderMaker = std::function<FrameDecoder(QByteArrayView header)>;

// The pixels a frame's picture will hold, from its image descriptor alone, so that a
// load can weigh all its frames before decoding any. Made from the header like a
// FrameDecoder; 0 for a chunk that holds no image.
using FrameSizer = std::function<qint64(QByteArrayView chunk)>;
FrameSizer gifFrameSizer(QByteArrayView header);

// Reelkit's own reader: reads the header once, whatever its size, so that each
// frame costs only its chunk. Pictures are Format_Indexed8 with an entry for every
// index the frame's code size allows, the transparent index as a transparent entry;
// equal tables of one file are shared, whichever frames hold them.
FrameDecoder gifFrameDecoder(QByteArrayView header);

// Qt's GIF reader on each header + chunk: decodes the whole logical screen, then
// crops the frame's rectangle. A reference for tests and benchmarks.
FrameDecoder qtFrameDecoder(QByteArrayView header);
QImage decodeFrameWithQt(QByteArrayView frameFile);

// Largest frame rectangle accepted, in pixels, so that a hostile descriptor cannot
// make the decoder allocate without bound.
inline constexpr qint64 kMaxFramePixels = qint64(8192) * 8192;

} // namespace reelkit
