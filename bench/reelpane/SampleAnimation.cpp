// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleAnimation.h"

#include "GifBytes.h"

#include <QFile>

#include <gif_lib.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

int writeToFile(GifFileType *gif, const GifByteType *data, int length)
{
    auto *file = static_cast<QFile *>(gif->UserData);
    return int(file->write(reinterpret_cast<const char *>(data), length));
}

// A small fixed generator, so every run writes the same file.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed | 1u) {}

    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

private:
    std::uint32_t m_state;
};

QString encoderError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF encoder error %1").arg(code);
}

QString writeOnce(const QString &path, int frames, int width, int height, std::uint32_t seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    int error = 0;
    GifFileType *gif = EGifOpen(&file, writeToFile, &error);
    if (!gif)
        return encoderError(error);
    EGifSetGifVersion(gif, true);

    // The last colour is black, so the colour table ends in a 00 byte and the
    // first frame's marker is found.
    std::array<GifColorType, 256> colours;
    for (int i = 0; i < 255; ++i)
        colours[size_t(i)] = {GifByteType(i), GifByteType((i * 7) & 0xFF), GifByteType(255 - i)};
    colours[255] = {0, 0, 0};
    ColorMapObject *map = GifMakeMapObject(256, colours.data());

    auto fail = [&] {
        const QString text = encoderError(gif->Error);
        GifFreeMapObject(map);
        EGifCloseFile(gif, &error);
        return text;
    };
    if (EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_ERROR)
        return fail();

    const GifByteType loop[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
        || EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_ERROR
        || EGifPutExtensionBlock(gif, 3, loop) == GIF_ERROR || EGifPutExtensionTrailer(gif) == GIF_ERROR)
        return fail();

    Noise noise(seed);
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int f = 0; f < frames; ++f) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.DelayTime = 4 + f % 5;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
            return fail();
        if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
            return fail();
        const double phase = f * 0.07;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const double wave = std::sin(x * 0.031 + phase) + std::cos(y * 0.027 - phase * 1.3);
                int index = int((wave + 2.0) * 60.0) & 0xF8;
                if ((noise.next() & 31) == 0)
                    index += int(noise.next() & 7);
                line[size_t(x)] = GifPixelType(std::min(index, 254));
            }
            if (EGifPutLine(gif, line.data(), width) == GIF_ERROR)
                return fail();
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        return encoderError(error);
    return {};
}

qsizetype countMarkers(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return countFrameMarkers(file.readAll());
}

} // namespace

QString writeSampleAnimation(const QString &path, int frames, int width, int height)
{
    // The marker bytes can turn up inside compressed pixels by chance; such a file
    // would not split into its frames, so another seed is tried.
    for (std::uint32_t seed = 0x2545F491u; seed < 0x2545F491u + 32; ++seed) {
        const QString error = writeOnce(path, frames, width, height, seed);
        if (!error.isEmpty())
            return error;
        if (countMarkers(path) == frames)
            return {};
    }
    return QStringLiteral("every seed put a frame marker inside the pixel data");
}
