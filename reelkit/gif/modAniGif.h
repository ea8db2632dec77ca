// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "gif/FrameDecoder.h"

#include <QString>

#include <functional>

namespace reelkit {

class FrameElements;

// Highest element index after the last load that ran to its end, library-wide.
extern qint32 gLastFrame;

struct LoadGifHooks
{
    FrameDecoderMaker decoderFor = gifFrameDecoder;
    // Lets the host process its pending window events between frames. Returns false
    // when the elements being filled no longer exist, which ends the load at once.
    std::function<bool()> pumpEvents;
};

// Largest file that is read into memory, and most picture bytes (one per pixel) one
// load may hold, checked against the frames' descriptors before decoding.
inline constexpr qint64 kMaxGifFileBytes = qint64(256) << 20;
inline constexpr qint64 kMaxLoadedPictureBytes = qint64(256) << 20;

// Splits an animated GIF file at its frame markers into one element per frame of
// imgMain, element 0 first. True once the file passed the signature test. Every
// failure is reported under "modAniGif.LoadGif()" and ends the load; the frames
// done so far stay.
bool LoadGif(QString &sFilename, FrameElements &imgMain, const LoadGifHooks &hooks = {});

} // namespace reelkit
