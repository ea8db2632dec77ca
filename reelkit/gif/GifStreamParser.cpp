// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gif/GifStreamParser.h"

#include "dialogs/ReelkitError.h"
#include "gif/FrameDecoder.h"

#include <algorithm>
#include <cstring>

namespace reelkit {
namespace {

constexpr int kSignatureBytes = 6;
constexpr int kScreenDescriptorBytes = 7;
constexpr int kImageDescriptorBytes = 9;
constexpr int kGraphicControlBytes = 4;
constexpr uchar kExtensionIntroducer = 0x21;
constexpr uchar kImageSeparator = 0x2C;
constexpr uchar kTrailer = 0x3B;
constexpr uchar kGraphicControlLabel = 0xF9;

int u16At(const std::array<uchar, 768> &field, int offset)
{
    return field[size_t(offset)] + 256 * field[size_t(offset + 1)];
}

// The size of a colour table from the packed fields of a descriptor; 0 for none.
int coloursOf(uchar packed)
{
    return packed & 0x80 ? 2 << (packed & 7) : 0;
}

// One entry for every index the image can hold: the codes below the clear code
// and the transparent index, which also fills rows the data does not reach. A frame
// with a small table then carries a small one; indices beyond the file's colours
// are black.
QList<QRgb> colourTable(const uchar *rgb, int colours, int codeSize, int transparentIndex)
{
    const int entries = std::max({colours, 1 << codeSize, transparentIndex + 1});
    QList<QRgb> table(entries, qRgb(0, 0, 0));
    for (int i = 0; i < colours; ++i)
        table[i] = qRgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
    if (transparentIndex >= 0)
        table[transparentIndex] = 0;
    return table;
}

} // namespace

void GifStreamParser::feed(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *end = p + bytes.size();
    while (p < end && !settled() && !(m_stopAtImageData && m_stage == Stage::CodeSize))
        step(p, end);
}

qint64 GifStreamParser::firstImagePixels(QByteArrayView bytes) const
{
    GifStreamParser probe = *this;
    probe.m_stopAtImageData = true;
    probe.feed(bytes);
    return probe.m_stage == Stage::CodeSize ? qint64(probe.m_width) * probe.m_height : 0;
}

bool GifStreamParser::collect(const uchar *&p, const uchar *end, int wanted)
{
    const int n = int(std::min<qsizetype>(wanted - m_fieldFill, end - p));
    std::memcpy(m_field.data() + m_fieldFill, p, size_t(n));
    m_fieldFill += n;
    p += n;
    if (m_fieldFill < wanted)
        return false;
    m_fieldFill = 0;
    return true;
}

void GifStreamParser::step(const uchar *&p, const uchar *end)
{
    switch (m_stage) {
    case Stage::Signature:
        if (collect(p, end, kSignatureBytes)) {
            if (std::memcmp(m_field.data(), "GIF", 3) != 0)
                return fail(tr("The data is not a GIF stream"));
            m_stage = Stage::ScreenDescriptor;
        }
        return;
    case Stage::ScreenDescriptor:
        if (collect(p, end, kScreenDescriptorBytes)) {
            m_globalColours = coloursOf(m_field[4]);
            m_stage = m_globalColours > 0 ? Stage::GlobalTable : Stage::Record;
        }
        return;
    case Stage::GlobalTable:
        if (collect(p, end, 3 * m_globalColours)) {
            m_globalTable = m_field;
            m_stage = Stage::Record;
        }
        return;
    case Stage::Record:
        return readRecordType(*p++);
    case Stage::ExtensionLabel:
        m_graphicControl = *p++ == kGraphicControlLabel;
        m_firstBlock = true;
        m_stage = Stage::ExtensionBlockSize;
        return;
    case Stage::ExtensionBlockSize:
        m_blockLeft = *p++;
        m_stage = m_blockLeft > 0 ? Stage::ExtensionBlock : Stage::Record;
        return;
    case Stage::ExtensionBlock:
        return readExtensionBlock(p, end);
    case Stage::ImageDescriptor:
        if (collect(p, end, kImageDescriptorBytes))
            readImageDescriptor();
        return;
    case Stage::LocalTable:
        if (collect(p, end, 3 * m_localColours))
            m_stage = Stage::CodeSize;
        return;
    case Stage::CodeSize:
        return startImage(*p++);
    case Stage::ImageBlockSize:
        m_blockLeft = *p++;
        if (m_blockLeft == 0)
            return completeImage();
        m_stage = Stage::ImageBlock;
        return;
    case Stage::ImageBlock:
        return readImageBlock(p, end);
    case Stage::Done:
    case Stage::Failed:
        p = end;
        return;
    }
}

void GifStreamParser::readRecordType(uchar type)
{
    if (type == kExtensionIntroducer)
        m_stage = Stage::ExtensionLabel;
    else if (type == kImageSeparator)
        m_stage = Stage::ImageDescriptor;
    else if (type == kTrailer)
        fail(noImageText());
    else
        //: %1 is the block's type byte as a decimal number
        fail(tr("The GIF data holds a block of unknown type %1 before its first image").arg(type));
}

// Only the first sub-block of a graphic control extension, of its standard four
// bytes, is read (for the transparent index); every other sub-block is skipped.
void GifStreamParser::readExtensionBlock(const uchar *&p, const uchar *end)
{
    if (m_graphicControl && m_firstBlock && m_blockLeft == kGraphicControlBytes) {
        if (!collect(p, end, kGraphicControlBytes))
            return;
        m_transparentIndex = m_field[0] & 1 ? m_field[3] : -1;
        m_blockLeft = 0;
    } else {
        const int n = int(std::min<qsizetype>(m_blockLeft, end - p));
        p += n;
        m_blockLeft -= n;
    }
    if (m_blockLeft == 0) {
        m_firstBlock = false;
        m_stage = Stage::ExtensionBlockSize;
    }
}

void GifStreamParser::readImageDescriptor()
{
    m_width = u16At(m_field, 4);
    m_height = u16At(m_field, 6);
    m_interlaced = m_field[8] & 0x40;
    m_localColours = coloursOf(m_field[8]);
    m_stage = m_localColours > 0 ? Stage::LocalTable : Stage::CodeSize;
}

void GifStreamParser::startImage(int codeSize)
{
    if (m_width == 0 || m_height == 0)
        return fail(emptyImageText());
    if (qint64(m_width) * m_height > kMaxFramePixels)
        //: %1 x %2: width and height of the image in pixels
        return fail(tr("The frame's image of %1 x %2 pixels is too large")
                        .arg(QString::number(m_width), QString::number(m_height)));
    if (m_localColours == 0 && m_globalColours == 0)
        return fail(tr("The frame has no colour table"));
    if (codeSize < 1 || codeSize > 8)
        return fail(tr("The frame's image data has an invalid code size %1").arg(codeSize));
    m_colours = m_localColours > 0 ? colourTable(m_field.data(), m_localColours, codeSize, m_transparentIndex)
                                   : colourTable(m_globalTable.data(), m_globalColours, codeSize, m_transparentIndex);
    m_lzw.emplace(codeSize, m_width, m_height, m_interlaced);
    m_stage = Stage::ImageBlockSize;
}

void GifStreamParser::readImageBlock(const uchar *&p, const uchar *end)
{
    const int n = int(std::min<qsizetype>(m_blockLeft, end - p));
    m_lzw->feed(p, n);
    p += n;
    m_blockLeft -= n;
    if (m_lzw->finished())
        completeImage();
    else if (m_blockLeft == 0)
        m_stage = Stage::ImageBlockSize;
}

void GifStreamParser::completeImage()
{
    if (m_lzw->pixelsWritten() < m_width)
        return fail(tr("The frame's image data ends before its first row"));
    m_picture = m_lzw->takePicture(uchar(std::max(m_transparentIndex, 0)));
    m_picture.setColorTable(m_colours);
    m_lzw.reset();
    m_stage = Stage::Done;
}

void GifStreamParser::fail(const QString &text)
{
    m_failure = text;
    m_lzw.reset();
    m_stage = Stage::Failed;
}

QImage GifStreamParser::finish()
{
    if (m_stage == Stage::ImageBlockSize || m_stage == Stage::ImageBlock)
        completeImage();
    if (m_stage == Stage::Failed)
        throw ReelkitError(m_failure);
    if (m_stage != Stage::Done)
        throw ReelkitError(tr("The GIF data ends before its first image"));
    return m_picture;
}

} // namespace reelkit
