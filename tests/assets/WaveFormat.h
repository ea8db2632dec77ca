// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What a RIFF/WAVE file says about itself, read chunk by chunk with every length checked.
struct WaveFormat
{
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    QByteArray data; // the samples of the data chunk
};

std::optional<WaveFormat> parseWave(const QByteArray &bytes, QString *error);
