// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gif/LzwDecoder.h"

#include <QImage>

#include <algorithm>
#include <cstring>

namespace reelkit {
namespace {

constexpr int kMaxCodeSize = 12;

// Interlaced images store every eighth row from 0, then from 4, then every
// fourth from 2, then every second from 1.
QByteArray rowsInPlace(const QByteArray &stored, int width, int height)
{
    constexpr int kPassStart[] = {0, 4, 2, 1};
    constexpr int kPassStep[] = {8, 8, 4, 2};
    QByteArray rows(stored.size(), Qt::Uninitialized);
    const char *from = stored.constData();
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kPassStart[pass]; y < height; y += kPassStep[pass]) {
            std::memcpy(rows.data() + qsizetype(y) * width, from, size_t(width));
            from += width;
        }
    }
    return rows;
}

} // namespace

LzwDecoder::LzwDecoder(int minimumCodeSize, int width, int height, bool interlaced)
    : m_clearCode(1 << minimumCodeSize),
      m_width(width),
      m_height(height),
      m_interlaced(interlaced),
      m_total(qint64(width) * height),
      m_pixels(m_total, Qt::Uninitialized)
{
    reset();
}

void LzwDecoder::reset()
{
    m_codeSize = 0;
    while ((1 << m_codeSize) <= m_clearCode)
        ++m_codeSize;
    m_nextCode = m_clearCode + 2;
    m_previous = -1;
}

void LzwDecoder::feed(const uchar *bytes, qsizetype count)
{
    if (finished())
        return;
    m_out = reinterpret_cast<uchar *>(m_pixels.data());
    for (qsizetype i = 0; i < count; ++i) {
        m_bits |= quint32(bytes[i]) << m_bitCount;
        m_bitCount += 8;
        while (m_bitCount >= m_codeSize) {
            const int code = int(m_bits & ((1u << m_codeSize) - 1));
            m_bits >>= m_codeSize;
            m_bitCount -= m_codeSize;
            if (!decode(code))
                return;
        }
    }
}

// False once decoding has to stop: the picture is full, or the codes ended.
// Inlined into feed(): it runs once per code.
Q_ALWAYS_INLINE bool LzwDecoder::decode(int code)
{
    if (code == m_clearCode) {
        reset();
        return true;
    }
    const bool valid = code != m_clearCode + 1 && (m_previous >= 0 ? code <= m_nextCode : code < m_clearCode);
    if (!valid) {
        m_broken = true;
        return false;
    }
    // The new entry is the previous string and the first pixel of this one, which
    // lands right behind it.
    const bool adds = m_previous >= 0 && m_nextCode < kMaxCodes;
    if (adds) {
        m_offset[size_t(m_nextCode)] = m_previousOffset;
        m_length[size_t(m_nextCode)] = quint16(m_length[size_t(m_previous)] + 1);
    }
    emitCode(code);
    if (adds) {
        ++m_nextCode;
        if (m_nextCode >= (1 << m_codeSize) && m_codeSize < kMaxCodeSize)
            ++m_codeSize;
    }
    m_previous = code;
    return !finished();
}

Q_ALWAYS_INLINE void LzwDecoder::emitCode(int code)
{
    m_previousOffset = qint32(m_written);
    uchar *out = m_out + m_written;
    if (code < m_clearCode) {
        m_length[size_t(code)] = 1;
        *out = uchar(code);
        ++m_written;
        return;
    }
    const qint64 length = std::min<qint64>(m_length[size_t(code)], m_total - m_written);
    const uchar *from = m_out + m_offset[size_t(code)];
    if (code == m_nextCode) {
        // The entry being added: its string overlaps its own copy by one pixel.
        std::memcpy(out, from, size_t(std::min<qint64>(length, m_length[size_t(m_previous)])));
        if (length > m_length[size_t(m_previous)])
            out[length - 1] = *from;
    } else if (length <= 8) {
        // Most strings of a noisy picture are short: a call to memcpy costs more.
        for (qint64 i = 0; i < length; ++i)
            out[i] = from[i];
    } else {
        std::memcpy(out, from, size_t(length));
    }
    m_written += length;
}

QImage LzwDecoder::takePicture(uchar fillIndex)
{
    m_out = reinterpret_cast<uchar *>(m_pixels.data());
    std::memset(m_out + m_written, fillIndex, size_t(m_total - m_written));
    m_written = m_total;
    auto *rows = new QByteArray(m_interlaced ? rowsInPlace(m_pixels, m_width, m_height) : std::move(m_pixels));
    m_pixels = QByteArray();
    // One byte per pixel and no row padding: the picture owns the buffer.
    return QImage(reinterpret_cast<uchar *>(rows->data()), m_width, m_height, m_width, QImage::Format_Indexed8,
                  [](void *buffer) { delete static_cast<QByteArray *>(buffer); }, rows);
}

} // namespace reelkit
