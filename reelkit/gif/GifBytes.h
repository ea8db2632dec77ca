// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "dialogs/ReelkitError.h"

#include <QByteArrayView>

namespace reelkit {

// The three bytes that the splitter takes as the start of a frame: a block
// terminator, the extension introducer and the graphic control label.
inline constexpr char kFrameMarker[] = {'\x00', '\x21', '\xF9'};
inline constexpr qsizetype kFrameMarkerLength = 3;

inline qsizetype findFrameMarker(QByteArrayView bytes, qsizetype from)
{
    return bytes.indexOf(QByteArrayView(kFrameMarker, kFrameMarkerLength), from);
}

// Little-endian 16-bit field; a field that runs past the end is a failure, never a
// read out of range.
inline qint32 readU16(QByteArrayView bytes, qsizetype offset, const char *fieldName)
{
    if (offset < 0 || offset + 1 >= bytes.size())
        throw ReelkitError(QStringLiteral("The frame data ends before its %1 field (frame block of %2 bytes)")
                               .arg(QLatin1String(fieldName))
                               .arg(bytes.size()));
    return qint32(quint8(bytes[offset])) + 256 * qint32(quint8(bytes[offset + 1]));
}

} // namespace reelkit
