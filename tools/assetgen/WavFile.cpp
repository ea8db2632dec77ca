// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavFile.h"

#include <algorithm>
#include <cmath>

namespace {

void appendLittleEndian(QByteArray &bytes, quint32 value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray wavFileBytes(const synth::Samples &samples, int sampleRate)
{
    constexpr int channels = 1;
    constexpr int bitsPerSample = 16;
    constexpr int blockAlign = channels * bitsPerSample / 8;
    const quint32 dataSize = quint32(samples.size() * blockAlign);

    QByteArray bytes("RIFF");
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2); // PCM
    appendLittleEndian(bytes, channels, 2);
    appendLittleEndian(bytes, quint32(sampleRate), 4);
    appendLittleEndian(bytes, quint32(sampleRate * blockAlign), 4);
    appendLittleEndian(bytes, blockAlign, 2);
    appendLittleEndian(bytes, bitsPerSample, 2);
    bytes.append("data");
    appendLittleEndian(bytes, dataSize, 4);
    for (const double sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        appendLittleEndian(bytes, quint32(quint16(qint16(value))), 2);
    }
    return bytes;
}
