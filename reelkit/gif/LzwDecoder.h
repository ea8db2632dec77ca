#pragma once

#include <QtGlobal>

#include <array>

class QImage;

namespace reelkit {

// Turns the LZW code stream of one GIF image into its pixel indices. Bytes may come
// in pieces of any size; the decoder is a plain value, so a copy taken between two
// pieces goes on independently. Rows are written in the order the image stores
// them, interlaced or not.
class LzwDecoder
{
public:
    // minimumCodeSize is 1..8; the picture is the image's Indexed8 picture.
    LzwDecoder(int minimumCodeSize, int width, int height, bool interlaced);

    // Decodes these bytes of the image's data sub-blocks into picture.
    void feed(const uchar *bytes, qsizetype count, QImage &picture);

    // Every pixel is written, or the codes ended (an end code or an invalid code).
    bool finished() const { return m_written == m_total || m_broken; }
    qint64 pixelsWritten() const { return m_written; }
    // Fills the pixels not reached with index, so that a frame cut short keeps
    // what was decoded.
    void fillRest(uchar index, QImage &picture);

private:
    static constexpr int kMaxCodes = 4096;

    void reset();
    bool decode(int code);
    void emitString(int code);
    void write(const uchar *pixels, int count);
    void nextRow();

    std::array<quint16, kMaxCodes> m_prefix{};
    std::array<quint16, kMaxCodes> m_length{};
    std::array<uchar, kMaxCodes> m_suffix{};
    std::array<uchar, kMaxCodes> m_first{};
    int m_clearCode;
    int m_codeSize = 0;
    int m_nextCode = 0;
    int m_previous = -1;
    quint32 m_bits = 0;
    int m_bitCount = 0;
    bool m_broken = false;

    int m_width;
    int m_height;
    bool m_interlaced;
    qint64 m_total;
    qint64 m_written = 0;
    int m_x = 0;
    int m_rowIndex = 0; // rows begun so far, in stored order
    int m_pass = 0;
    int m_row = 0; // the picture row being written
    // Valid during one feed() or fillRest() only.
    QImage *m_picture = nullptr;
    uchar *m_rowStart = nullptr;
};

} // namespace reelkit
