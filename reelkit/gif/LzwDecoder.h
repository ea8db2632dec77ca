// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArray>

#include <array>

class QImage;

namespace reelkit {

// Turns the LZW code stream of one GIF image into its pixel indices. Bytes may come
// in pieces of any size; the decoder is a plain value, so a copy taken between two
// pieces goes on independently.
//
// Pixels are written in the order the image stores them, into one contiguous
// buffer, so that each code's string is copied from where it was written before
// instead of being spelled out entry by entry; interlaced rows are put in place
// when the picture is taken.
class LzwDecoder
{
public:
    // minimumCodeSize is 1..8; width and height are above 0.
    LzwDecoder(int minimumCodeSize, int width, int height, bool interlaced);

    void feed(const uchar *bytes, qsizetype count);

    // Every pixel is written, or the codes ended (an end code or an invalid code).
    bool finished() const { return m_written == m_total || m_broken; }
    qint64 pixelsWritten() const { return m_written; }

    // The Indexed8 picture, without colour table; the pixels not reached are set to
    // fillIndex, so that a frame cut short keeps what was decoded. Ends the decoder.
    QImage takePicture(uchar fillIndex);

private:
    static constexpr int kMaxCodes = 4096;

    void reset();
    bool decode(int code);
    void emitCode(int code);

    // Where each code's string was first written, and its length; an entry is
    // written before it is read, so the tables start uninitialised.
    std::array<qint32, kMaxCodes> m_offset;
    std::array<quint16, kMaxCodes> m_length;
    int m_clearCode;
    int m_codeSize = 0;
    int m_nextCode = 0;
    int m_previous = -1;
    qint32 m_previousOffset = 0;
    quint32 m_bits = 0;
    int m_bitCount = 0;
    bool m_broken = false;

    int m_width;
    int m_height;
    bool m_interlaced;
    qint64 m_total;
    qint64 m_written = 0;
    QByteArray m_pixels;
    uchar *m_out = nullptr; // m_pixels' data during one feed()
};

} // namespace reelkit
