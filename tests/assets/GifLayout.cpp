// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifLayout.h"

namespace {

class Cursor
{
public:
    explicit Cursor(const QByteArray &bytes) : m_bytes(bytes) {}

    bool has(qsizetype count) const { return count >= 0 && m_position + count <= m_bytes.size(); }
    qsizetype position() const { return m_position; }
    int byteAt(qsizetype offset) const { return quint8(m_bytes.at(m_position + offset)); }
    int wordAt(qsizetype offset) const { return byteAt(offset) | (byteAt(offset + 1) << 8); }
    void skip(qsizetype count) { m_position += count; }
    int previousByte() const { return m_position > 0 ? quint8(m_bytes.at(m_position - 1)) : -1; }

    // Data sub-blocks up to and including the zero-length terminator.
    bool skipSubBlocks()
    {
        while (has(1)) {
            const int length = byteAt(0);
            skip(1);
            if (length == 0)
                return true;
            if (!has(length))
                return false;
            skip(length);
        }
        return false;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
};

std::optional<GifLayout> fail(QString *error, const QString &why, qsizetype at)
{
    if (error)
        *error = QStringLiteral("%1 at byte %2").arg(why).arg(at);
    return std::nullopt;
}

} // namespace

std::optional<GifLayout> parseGifLayout(const QByteArray &bytes, QString *error)
{
    Cursor cursor(bytes);
    GifLayout layout;
    if (!cursor.has(13) || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return fail(error, QStringLiteral("no GIF header"), 0);
    layout.version = bytes.left(6);
    layout.width = cursor.wordAt(6);
    layout.height = cursor.wordAt(8);
    const int screenFlags = cursor.byteAt(10);
    cursor.skip(13);
    if (screenFlags & 0x80) {
        layout.globalColourCount = 2 << (screenFlags & 0x07);
        if (!cursor.has(3 * layout.globalColourCount))
            return fail(error, QStringLiteral("short global colour table"), cursor.position());
        cursor.skip(3 * layout.globalColourCount);
    }

    std::optional<int> pendingDelay;
    while (cursor.has(1)) {
        const int introducer = cursor.byteAt(0);
        if (introducer == 0x3B) {
            if (pendingDelay)
                ++layout.controlsNotBeforeImage;
            return layout;
        }
        if (introducer == 0x21) {
            if (!cursor.has(2))
                return fail(error, QStringLiteral("short extension"), cursor.position());
            if (pendingDelay) {
                ++layout.controlsNotBeforeImage;
                pendingDelay.reset();
            }
            const int label = cursor.byteAt(1);
            if (label == 0xF9) {
                ++layout.controlExtensions;
                if (cursor.previousByte() != 0x00)
                    ++layout.controlsWithoutLeadingZero;
                if (!cursor.has(8) || cursor.byteAt(2) != 4 || cursor.byteAt(7) != 0)
                    return fail(error, QStringLiteral("malformed graphic control"), cursor.position());
                pendingDelay = cursor.wordAt(4);
                cursor.skip(8);
                continue;
            }
            cursor.skip(2);
            if (!cursor.skipSubBlocks())
                return fail(error, QStringLiteral("unterminated extension"), cursor.position());
            continue;
        }
        if (introducer != 0x2C)
            return fail(error, QStringLiteral("unknown block 0x%1").arg(introducer, 2, 16, QLatin1Char('0')),
                        cursor.position());
        if (!cursor.has(11))
            return fail(error, QStringLiteral("short image descriptor"), cursor.position());
        GifImageBlock image;
        image.left = cursor.wordAt(1);
        image.top = cursor.wordAt(3);
        image.width = cursor.wordAt(5);
        image.height = cursor.wordAt(7);
        const int imageFlags = cursor.byteAt(9);
        image.localColourTable = imageFlags & 0x80;
        image.hasControl = pendingDelay.has_value();
        image.delayHundredths = pendingDelay.value_or(0);
        pendingDelay.reset();
        cursor.skip(10);
        if (image.localColourTable) {
            const int tableBytes = 3 * (2 << (imageFlags & 0x07));
            if (!cursor.has(tableBytes))
                return fail(error, QStringLiteral("short local colour table"), cursor.position());
            cursor.skip(tableBytes);
        }
        if (!cursor.has(1) || cursor.byteAt(0) < 2 || cursor.byteAt(0) > 8)
            return fail(error, QStringLiteral("bad LZW code size"), cursor.position());
        cursor.skip(1);
        if (!cursor.skipSubBlocks())
            return fail(error, QStringLiteral("unterminated image data"), cursor.position());
        layout.images << image;
    }
    return fail(error, QStringLiteral("no trailer"), cursor.position());
}

qsizetype countBytePattern(const QByteArray &bytes, const QByteArray &pattern)
{
    qsizetype count = 0;
    for (qsizetype at = bytes.indexOf(pattern); at >= 0; at = bytes.indexOf(pattern, at + 1))
        ++count;
    return count;
}
