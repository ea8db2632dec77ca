#include "gif/LzwDecoder.h"

#include <QImage>

#include <cstring>

namespace reelkit {
namespace {

constexpr int kMaxCodeSize = 12;
// Interlaced images store every eighth row from 0, then from 4, then every
// fourth from 2, then every second from 1.
constexpr int kPassStart[] = {0, 4, 2, 1};
constexpr int kPassStep[] = {8, 8, 4, 2};

} // namespace

LzwDecoder::LzwDecoder(int minimumCodeSize, int width, int height, bool interlaced)
    : m_clearCode(1 << minimumCodeSize),
      m_width(width),
      m_height(height),
      m_interlaced(interlaced),
      m_total(qint64(width) * height)
{
    for (int code = 0; code < m_clearCode; ++code) {
        m_suffix[size_t(code)] = uchar(code);
        m_first[size_t(code)] = uchar(code);
        m_length[size_t(code)] = 1;
    }
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

void LzwDecoder::feed(const uchar *bytes, qsizetype count, QImage &picture)
{
    if (finished())
        return;
    m_picture = &picture;
    m_rowStart = picture.scanLine(m_row);
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
bool LzwDecoder::decode(int code)
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
    if (m_previous >= 0 && m_nextCode < kMaxCodes) {
        const auto entry = size_t(m_nextCode);
        const auto previous = size_t(m_previous);
        m_prefix[entry] = quint16(m_previous);
        m_suffix[entry] = code < m_nextCode ? m_first[size_t(code)] : m_first[previous];
        m_first[entry] = m_first[previous];
        m_length[entry] = quint16(m_length[previous] + 1);
        ++m_nextCode;
        if (m_nextCode >= (1 << m_codeSize) && m_codeSize < kMaxCodeSize)
            ++m_codeSize;
    }
    emitString(code);
    m_previous = code;
    return !finished();
}

void LzwDecoder::emitString(int code)
{
    const int length = m_length[size_t(code)];
    auto spell = [&](uchar *out) {
        for (int i = length - 1; i > 0; --i) {
            out[i] = m_suffix[size_t(code)];
            code = m_prefix[size_t(code)];
        }
        out[0] = m_suffix[size_t(code)];
    };
    if (length < m_width - m_x) {
        spell(m_rowStart + m_x);
        m_x += length;
        m_written += length;
        return;
    }
    std::array<uchar, kMaxCodes> spelled;
    spell(spelled.data());
    write(spelled.data(), length);
}

void LzwDecoder::write(const uchar *pixels, int count)
{
    while (count > 0 && m_written < m_total) {
        const int n = std::min(count, m_width - m_x);
        std::memcpy(m_rowStart + m_x, pixels, size_t(n));
        m_x += n;
        m_written += n;
        pixels += n;
        count -= n;
        if (m_x == m_width)
            nextRow();
    }
}

void LzwDecoder::nextRow()
{
    m_x = 0;
    ++m_rowIndex;
    if (m_rowIndex >= m_height)
        return;
    if (!m_interlaced) {
        m_row = m_rowIndex;
    } else {
        m_row += kPassStep[m_pass];
        while (m_row >= m_height && m_pass < 3) {
            ++m_pass;
            m_row = kPassStart[m_pass];
        }
    }
    m_rowStart = m_picture->scanLine(m_row);
}

void LzwDecoder::fillRest(uchar index, QImage &picture)
{
    if (m_written == m_total)
        return;
    m_picture = &picture;
    m_rowStart = picture.scanLine(m_row);
    while (m_written < m_total) {
        const int n = m_width - m_x;
        std::memset(m_rowStart + m_x, index, size_t(n));
        m_written += n;
        m_x = m_width;
        nextRow();
    }
}

} // namespace reelkit
