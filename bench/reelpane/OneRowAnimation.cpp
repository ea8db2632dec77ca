// SPDX-License-Identifier: GPL-3.0-or-later
#include "OneRowAnimation.h"

#include "GifBytes.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <vector>

namespace {

QByteArray u16(int value)
{
    return QByteArray(1, char(value & 0xFF)) + char((value >> 8) & 0xFF);
}

// Frames of one row, each behind a graphic control extension; the table ends in black,
// so its last byte is 00 and the first frame's marker is found.
QByteArray encodeRows(int frames, int width, int height, QString &error)
{
    QByteArray bytes;
    int code = 0;
    GifFileType *gif = openGifWriter(bytes, &code);
    if (!gif) {
        error = QString::fromLatin1(GifErrorString(code));
        return {};
    }
    EGifSetGifVersion(gif, true);
    const std::array<GifColorType, 4> colours = {{{0, 80, 160}, {0, 200, 90}, {255, 255, 255}, {0, 0, 0}}};
    ColorMapObject *map = GifMakeMapObject(int(colours.size()), colours.data());
    bool ok = EGifPutScreenDesc(gif, width, height, 2, 0, map) != GIF_ERROR;
    GifFreeMapObject(map);
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    for (int f = 0; ok && f < frames; ++f) {
        GraphicsControlBlock control{};
        control.DelayTime = 10;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        std::fill(row.begin(), row.end(), GifPixelType(f % 3));
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_ERROR
             && EGifPutImageDesc(gif, 0, 0, width, 1, false, nullptr) != GIF_ERROR
             && EGifPutLine(gif, row.data(), width) != GIF_ERROR;
    }
    if (!ok)
        error = QString::fromLatin1(GifErrorString(gif->Error));
    EGifCloseFile(gif, &code);
    return bytes;
}

} // namespace

QString writeOneRowAnimation(const QString &path, int frames, int width, int height)
{
    QString error;
    QByteArray bytes = encodeRows(frames, width, height, error);
    if (!error.isEmpty())
        return error;
    // Each image descriptor now claims the full height; its data still codes one row.
    const QByteArray descriptor = QByteArray("\x2c\0\0\0\0", 5) + u16(width);
    bytes.replace(descriptor + u16(1), descriptor + u16(height));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}
