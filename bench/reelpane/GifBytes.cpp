// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifBytes.h"

namespace {

int appendToArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

GifFileType *openGifWriter(QByteArray &bytes, int *code)
{
    return EGifOpen(&bytes, appendToArray, code);
}

qsizetype countFrameMarkers(QByteArrayView bytes)
{
    const QByteArrayView marker("\x00\x21\xF9", 3);
    qsizetype count = 0;
    for (qsizetype at = bytes.indexOf(marker); at >= 0; at = bytes.indexOf(marker, at + 1))
        ++count;
    return count;
}
