// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// An animated GIF89a with one global colour table of 256 entries and full-size frames,
// laid out for readers that cut the file at every 00 21 F9 (a block terminator followed
// by a graphic control extension):
//  - the looping application block comes before the first frame, and each frame's
//    control extension stands directly before its image descriptor;
//  - the last palette entry must be black, so the byte before the first block is 00;
//  - 00 21 F9 appears nowhere else: a frame whose compressed bytes contain it is
//    re-encoded with a smaller LZW table until it does not.
struct GifAnimation
{
    int width = 0;
    int height = 0;
    QList<QRgb> palette;        // exactly 256 colours, the last one black
    QList<QByteArray> frames;   // width * height palette indices each
    int delayHundredths = 8;
};

QByteArray encodeGifAnimation(const GifAnimation &animation); // throws std::runtime_error

qsizetype countFrameMarkers(const QByteArray &bytes); // occurrences of 00 21 F9
