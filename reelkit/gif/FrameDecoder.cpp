#include "gif/FrameDecoder.h"

#include "dialogs/ReelkitError.h"

#include <QBuffer>
#include <QImageReader>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>

namespace reelkit {
namespace {

// Feeds giflib from memory. Past the end it supplies the block terminator and
// trailer that the last frame of a split file lacks.
struct MemorySource
{
    QByteArrayView bytes;
    qsizetype pos = 0;
    int tailServed = 0;
};

constexpr std::array<GifByteType, 2> kMissingTail = {0x00, 0x3B};

int readFromMemory(GifFileType *gif, GifByteType *out, int wanted)
{
    auto *source = static_cast<MemorySource *>(gif->UserData);
    int served = 0;
    const qsizetype available = source->bytes.size() - source->pos;
    const int fromData = int(std::min<qsizetype>(wanted, std::max<qsizetype>(available, 0)));
    if (fromData > 0) {
        std::memcpy(out, source->bytes.data() + source->pos, size_t(fromData));
        source->pos += fromData;
        served = fromData;
    }
    while (served < wanted && source->tailServed < int(kMissingTail.size()))
        out[served++] = kMissingTail[size_t(source->tailServed++)];
    return served;
}

struct GifCloser
{
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

QString giflibError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF decoder error %1").arg(code);
}

void skipExtension(GifFileType *gif, std::optional<int> &transparentIndex)
{
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        throw ReelkitError(giflibError(gif->Error));
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        GraphicsControlBlock gcb;
        if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK)
            transparentIndex = gcb.TransparentColor >= 0 ? std::optional<int>(gcb.TransparentColor) : std::nullopt;
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            throw ReelkitError(giflibError(gif->Error));
    }
}

std::array<QRgb, 256> paletteOf(const ColorMapObject *map, std::optional<int> transparentIndex)
{
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    const int colours = std::clamp(map->ColorCount, 0, 256);
    for (int i = 0; i < colours; ++i)
        palette[size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    if (transparentIndex && *transparentIndex >= 0 && *transparentIndex < 256)
        palette[size_t(*transparentIndex)] = 0;
    return palette;
}

// Row order of an image: interlaced images arrive in four passes.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    constexpr int starts[] = {0, 4, 2, 1};
    constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

QImage decodeImage(GifFileType *gif, std::optional<int> transparentIndex)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        throw ReelkitError(giflibError(gif->Error));
    const GifImageDesc &desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0)
        throw ReelkitError(QStringLiteral("The frame's image is empty"));
    if (qint64(desc.Width) * desc.Height > kMaxFramePixels)
        throw ReelkitError(QStringLiteral("The frame's image of %1 x %2 pixels is too large")
                               .arg(desc.Width).arg(desc.Height));
    const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map)
        throw ReelkitError(QStringLiteral("The frame has no colour table"));

    const std::array<QRgb, 256> palette = paletteOf(map, transparentIndex);
    QImage image(desc.Width, desc.Height,
                 transparentIndex ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        throw ReelkitError(QStringLiteral("Out of memory"));

    std::vector<GifPixelType> line(size_t(desc.Width));
    const std::vector<int> rows = rowOrder(desc.Height, desc.Interlace);
    const GifPixelType fill = GifPixelType(transparentIndex.value_or(0));
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool ok = DGifGetLine(gif, line.data(), desc.Width) == GIF_OK;
        if (!ok && i == 0)
            throw ReelkitError(giflibError(gif->Error));
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(rows[i]));
        for (int x = 0; x < desc.Width; ++x)
            out[x] = palette[line[size_t(x)]];
        if (!ok) {
            // Like the platform loader, a frame cut short keeps the rows decoded so
            // far; the rest show the transparent colour, or the first one.
            for (size_t rest = i + 1; rest < rows.size(); ++rest)
                std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(rows[rest])), desc.Width, palette[fill]);
            break;
        }
    }
    return image;
}

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

} // namespace

QImage decodeFrameWithGiflib(QByteArrayView frameFile)
{
    MemorySource source{frameFile};
    int error = 0;
    GifHandle gif(DGifOpen(&source, readFromMemory, &error));
    if (!gif)
        throw ReelkitError(giflibError(error));

    std::optional<int> transparentIndex;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            throw ReelkitError(giflibError(gif->Error));
        switch (type) {
        case IMAGE_DESC_RECORD_TYPE:
            return decodeImage(gif.get(), transparentIndex);
        case EXTENSION_RECORD_TYPE:
            skipExtension(gif.get(), transparentIndex);
            break;
        default:
            throw ReelkitError(QStringLiteral("The GIF data holds no image"));
        }
    }
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
        throw ReelkitError(QStringLiteral("The GIF data holds no image"));
    if (rect->isEmpty())
        throw ReelkitError(QStringLiteral("The frame's image is empty"));
    if (qint64(rect->width()) * rect->height() > kMaxFramePixels)
        throw ReelkitError(QStringLiteral("The frame's image is too large"));
    QImage frame = screen.copy(*rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return frame;
}

} // namespace reelkit
