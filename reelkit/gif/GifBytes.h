// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "dialogs/ReelkitError.h"

#include <QByteArrayView>
#include <QCoreApplication>

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
// read out of range. fieldName is marked with QT_TRANSLATE_NOOP("ReelkitGif", ...).
inline qint32 readU16(QByteArrayView bytes, qsizetype offset, const char *fieldName)
{
    if (offset < 0 || offset + 1 >= bytes.size())
        //: %1 is the field's name (delay, left position, top position); %n the block's size
        throw ReelkitError(QCoreApplication::translate(
                               "ReelkitGif", "The frame data ends before its %1 field (frame block of %n bytes)",
                               nullptr, int(bytes.size()))
                               .arg(QCoreApplication::translate("ReelkitGif", fieldName)));
    return qint32(quint8(bytes[offset])) + 256 * qint32(quint8(bytes[offset + 1]));
}

} // namespace reelkit
