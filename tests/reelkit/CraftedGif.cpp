// SPDX-License-Identifier: LGPL-2.1-or-later
#include "CraftedGif.h"

#include <QFile>
#include <QTemporaryDir>

#include <gif_lib.h>

#include <array>
#include <stdexcept>

namespace {

constexpr std::array<GifColorType, 4> kColours = {{{255, 255, 255}, {200, 30, 40}, {20, 160, 60}, {0, 0, 0}}};

int appendToArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

void check(int status, GifFileType *gif)
{
    if (status == GIF_ERROR)
        throw std::runtime_error(GifErrorString(gif->Error));
}

std::vector<int> interlacedRows(int height)
{
    std::vector<int> rows;
    constexpr int starts[] = {0, 4, 2, 1};
    constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

} // namespace

QRgb craftedColour(int index)
{
    const GifColorType &c = kColours.at(size_t(index));
    return qRgb(c.Red, c.Green, c.Blue);
}

QByteArray encodeGif(const std::vector<CraftFrame> &frames, int screenWidth, int screenHeight)
{
    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToArray, &error);
    if (!gif)
        throw std::runtime_error(GifErrorString(error));
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(int(kColours.size()), kColours.data());
    check(EGifPutScreenDesc(gif, screenWidth, screenHeight, 2, 0, map), gif);
    GifFreeMapObject(map);
    for (const CraftFrame &frame : frames) {
        GraphicsControlBlock gcb{};
        gcb.DelayTime = frame.delay;
        gcb.TransparentColor = frame.transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), gif);
        std::vector<GifColorType> local;
        for (const QRgb colour : frame.localTable)
            local.push_back({GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))});
        ColorMapObject *localMap = local.empty() ? nullptr : GifMakeMapObject(int(local.size()), local.data());
        if (!local.empty() && !localMap)
            throw std::runtime_error("a local colour table needs a power of two colours");
        const int placed = EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                                            frame.interlaced, localMap);
        GifFreeMapObject(localMap);
        check(placed, gif);
        // Each row carries its own row number in the colour of its first pixel, so
        // that a wrong row order shows.
        std::vector<int> rows;
        for (int y = 0; y < frame.height; ++y)
            rows.push_back(y);
        if (frame.interlaced)
            rows = interlacedRows(frame.height);
        std::vector<GifPixelType> line(size_t(frame.width), GifPixelType(frame.colour));
        for (int y : rows) {
            line[0] = GifPixelType(frame.interlaced ? y % 4 : frame.colour);
            check(EGifPutLine(gif, line.data(), frame.width), gif);
        }
    }
    EGifCloseFile(gif, &error);
    return bytes;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return path;
}
