// SPDX-License-Identifier: GPL-3.0-or-later
#include "LzwEncoder.h"

#include <algorithm>
#include <unordered_map>

namespace {

class CodeStream
{
public:
    void write(int code, int width)
    {
        m_bits |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_count = 0;
};

} // namespace

QByteArray lzwEncode(const QByteArray &indices, int tableLimit)
{
    constexpr int clearCode = 1 << kLzwMinimumCodeSize;
    constexpr int endCode = clearCode + 1;
    constexpr int firstFree = clearCode + 2;
    constexpr int maxWidth = 12;
    tableLimit = std::clamp(tableLimit, firstFree + 1, 1 << maxWidth);

    CodeStream stream;
    std::unordered_map<quint32, int> table;
    int width = kLzwMinimumCodeSize + 1;
    int nextCode = firstFree;
    bool resetWidth = false;

    // The decoder widens its codes one code behind the encoder's table, so the width
    // check runs right after each code is written, before the table grows.
    const auto writeCode = [&](int code) {
        stream.write(code, width);
        if (resetWidth) {
            width = kLzwMinimumCodeSize + 1;
            resetWidth = false;
        } else if (nextCode > (1 << width) - 1 && width < maxWidth) {
            ++width;
        }
    };

    writeCode(clearCode);
    if (indices.isEmpty()) {
        writeCode(endCode);
        return stream.finish();
    }
    int prefix = quint8(indices.at(0));
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const int pixel = quint8(indices.at(i));
        const quint32 key = (quint32(prefix) << 8) | quint32(pixel);
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        writeCode(prefix);
        if (nextCode < tableLimit) {
            table.emplace(key, nextCode++);
        } else {
            table.clear();
            nextCode = firstFree;
            resetWidth = true;
            writeCode(clearCode);
        }
        prefix = pixel;
    }
    writeCode(prefix);
    writeCode(endCode);
    return stream.finish();
}
