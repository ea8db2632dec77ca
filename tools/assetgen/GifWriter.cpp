// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include "LzwEncoder.h"

#include <stdexcept>

namespace {

const QByteArray kFrameMarker("\x00\x21\xF9", 3);

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

QByteArray header(const GifAnimation &animation)
{
    QByteArray bytes("GIF89a");
    appendWord(bytes, animation.width);
    appendWord(bytes, animation.height);
    bytes.append(char(0xF7)); // global table of 2^(7+1) entries, 8 bits per primary
    bytes.append(char(0));    // background colour index
    bytes.append(char(0));    // square pixels
    for (const QRgb colour : animation.palette) {
        bytes.append(char(qRed(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qBlue(colour)));
    }
    bytes.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop for ever
    return bytes;
}

QByteArray frameBlock(const GifAnimation &animation, const QByteArray &indices, int tableLimit)
{
    QByteArray bytes("\x21\xF9\x04", 3);
    bytes.append(char(0x04)); // disposal: leave the frame in place
    appendWord(bytes, animation.delayHundredths);
    bytes.append(char(0));    // no transparent colour
    bytes.append(char(0));    // block terminator
    bytes.append(char(0x2C));
    appendWord(bytes, 0);
    appendWord(bytes, 0);
    appendWord(bytes, animation.width);
    appendWord(bytes, animation.height);
    bytes.append(char(0)); // no local table, not interlaced
    bytes.append(char(kLzwMinimumCodeSize));
    const QByteArray codes = lzwEncode(indices, tableLimit);
    for (qsizetype offset = 0; offset < codes.size(); offset += 255) {
        const QByteArray chunk = codes.mid(offset, 255);
        bytes.append(char(chunk.size()));
        bytes.append(chunk);
    }
    bytes.append(char(0));
    return bytes;
}

void checkShape(const GifAnimation &animation)
{
    if (animation.palette.size() != 256 || animation.palette.last() != qRgb(0, 0, 0))
        throw std::runtime_error("the GIF palette needs 256 colours ending in black");
    if (animation.width <= 0 || animation.height <= 0 || animation.width > 0xFFFF
        || animation.height > 0xFFFF || animation.delayHundredths <= 0)
        throw std::runtime_error("bad GIF size or delay");
    for (const QByteArray &frame : animation.frames)
        if (frame.size() != qsizetype(animation.width) * animation.height)
            throw std::runtime_error("a GIF frame has the wrong number of pixels");
}

} // namespace

qsizetype countFrameMarkers(const QByteArray &bytes)
{
    qsizetype count = 0;
    for (qsizetype at = bytes.indexOf(kFrameMarker); at >= 0; at = bytes.indexOf(kFrameMarker, at + 1))
        ++count;
    return count;
}

QByteArray encodeGifAnimation(const GifAnimation &animation)
{
    checkShape(animation);
    QByteArray file = header(animation);
    if (countFrameMarkers(file + "\x21\xF9") != 1)
        throw std::runtime_error("the GIF header would contain a frame marker");
    for (const QByteArray &indices : animation.frames) {
        // Each block begins with 21 F9 and follows a 00, so exactly one marker is expected.
        QByteArray block;
        for (int limit = 4096; limit > 512; limit -= 37) {
            block = frameBlock(animation, indices, limit);
            if (countFrameMarkers(QByteArray(1, '\0') + block) == 1)
                break;
            block.clear();
        }
        if (block.isEmpty())
            throw std::runtime_error("cannot encode a GIF frame without a stray frame marker");
        file += block;
    }
    file.append(char(0x3B));
    if (countFrameMarkers(file) != animation.frames.size())
        throw std::runtime_error("the GIF has stray frame markers");
    return file;
}
