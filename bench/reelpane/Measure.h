// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What one file costs through the frame split and through QMovie.
struct LoadMeasure
{
    double loadGifMs = 0;
    double qmovieMs = 0;
    qsizetype frames = 0;
    // Held by the frame pictures, shared buffers once; and the pixels they show.
    qint64 pictureBytes = 0;
    qint64 pixels = 0;

    double ratio() const { return loadGifMs / qmovieMs; }
    double bytesPerPixel() const { return pixels > 0 ? double(pictureBytes) / double(pixels) : 0; }
};

// Best of at least `runs` loads each, the two readers taking turns, and more runs
// for small files until both have spent a quarter of a second.
LoadMeasure measureLoad(const QString &path, bool qtDecoder, int runs = 5);

// Plays the file in a shown Reelpane for a while and returns the share of a core used.
double measurePlaying(const QString &path, double seconds);
