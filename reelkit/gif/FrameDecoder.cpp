// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gif/FrameDecoder.h"

#include "dialogs/ReelkitError.h"
#include "gif/GifStreamParser.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QSet>

#include <optional>

namespace reelkit {
namespace {

// Walks the block structure of a GIF stream to its first image descriptor.
std::optional<QRect> firstImageRect(QByteArrayView bytes)
{
    auto byteAt = [&](qsizetype i) -> int { return i < bytes.size() ? quint8(bytes[i]) : -1; };
    if (bytes.size() < 13)
        return std::nullopt;
    qsizetype pos = 13;
    const int flags = byteAt(10);
    if (flags & 0x80)
        pos += 3 * (qsizetype(1) << ((flags & 7) + 1));
    while (pos < bytes.size()) {
        const int introducer = byteAt(pos);
        if (introducer == 0x2C) {
            if (pos + 9 >= bytes.size())
                return std::nullopt;
            auto u16 = [&](qsizetype i) { return byteAt(i) + 256 * byteAt(i + 1); };
            return QRect(u16(pos + 1), u16(pos + 3), u16(pos + 5), u16(pos + 7));
        }
        if (introducer != 0x21)
            return std::nullopt;
        pos += 2;
        while (pos < bytes.size() && byteAt(pos) != 0)
            pos += byteAt(pos) + 1;
        ++pos;
    }
    return std::nullopt;
}

// A colour table as the set of one file's tables holds it: hashed as bytes, which
// is quicker than entry by entry, as every frame pays for it.
struct SharedTable
{
    QList<QRgb> colours;
    bool operator==(const SharedTable &other) const { return colours == other.colours; }
};

size_t qHash(const SharedTable &table, size_t seed = 0)
{
    return qHashBits(table.colours.constData(), size_t(table.colours.size()) * sizeof(QRgb), seed);
}

} // namespace

FrameDecoder gifFrameDecoder(QByteArrayView header)
{
    GifStreamParser afterHeader;
    afterHeader.feed(header);
    return [afterHeader, tables = QSet<SharedTable>()](QByteArrayView chunk) mutable {
        // The parser is gone before the table is swapped, so that the picture is
        // not shared and its pixels are not copied.
        QImage picture = [&] {
            GifStreamParser parser = afterHeader;
            parser.feed(chunk);
            // A split frame lacks the block terminator and trailer of a whole file.
            parser.feed(QByteArrayView("\x00\x3B", 2));
            return parser.finish();
        }();
        // Frames of one file mostly use a few tables, the global one between local
        // ones; one copy of each is enough. A picture settled by the header alone is
        // the same picture each time and is left as is.
        const QList<QRgb> table = picture.colorTable();
        if (const auto known = tables.insert({table}); known->colours.constData() != table.constData())
            picture.setColorTable(known->colours);
        return picture;
    };
}

FrameSizer gifFrameSizer(QByteArrayView header)
{
    GifStreamParser afterHeader;
    afterHeader.feed(header);
    return [afterHeader](QByteArrayView chunk) { return afterHeader.firstImagePixels(chunk); };
}

FrameDecoder qtFrameDecoder(QByteArrayView header)
{
    return [header = header.toByteArray()](QByteArrayView chunk) {
        QByteArray frameFile = header;
        frameFile.append(chunk);
        return decodeFrameWithQt(frameFile);
    };
}

QImage decodeFrameWithQt(QByteArrayView frameFile)
{
    QByteArray bytes = frameFile.toByteArray();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "GIF");
    QImage screen = reader.read();
    if (screen.isNull())
        throw ReelkitError(reader.errorString());
    const std::optional<QRect> rect = firstImageRect(frameFile);
    if (!rect)
        throw ReelkitError(GifStreamParser::noImageText());
    if (rect->isEmpty())
        throw ReelkitError(GifStreamParser::emptyImageText());
    if (qint64(rect->width()) * rect->height() > kMaxFramePixels)
        throw ReelkitError(QCoreApplication::translate("ReelkitGif", "The frame's image is too large"));
    QImage frame = screen.copy(*rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return frame;
}

} // namespace reelkit
