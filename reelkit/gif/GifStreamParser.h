// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "gif/LzwDecoder.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <array>
#include <optional>

namespace reelkit {

// Reads a GIF stream up to the end of its first image and decodes that image into
// an Indexed8 picture of its own rectangle: its colour table (global or local)
// padded with black to cover every index its code size can give, the transparent
// index of the last graphic control extension before it as a transparent entry. Bytes come in pieces of any
// size, and the parser is a plain value: a copy taken after one piece (a file's
// header) goes on with each frame's bytes without reading the piece again.
class GifStreamParser
{
    Q_DECLARE_TR_FUNCTIONS(reelkit::GifStreamParser)

public:
    // Failures that Qt's own decoder reports in the same words.
    static QString noImageText() { return tr("The GIF data holds no image"); }
    static QString emptyImageText() { return tr("The frame's image is empty"); }

    void feed(QByteArrayView bytes);

    // True once more bytes can change nothing: the first image is complete, or the
    // stream has failed.
    bool settled() const { return m_stage == Stage::Done || m_stage == Stage::Failed; }

    // Pixels of the first image of the bytes that follow, read from its descriptor
    // without decoding anything (0 when they hold none); this parser is not changed.
    qint64 firstImagePixels(QByteArrayView bytes) const;

    // The end of the stream: the first image's picture. A picture cut short keeps
    // its decoded rows and shows the transparent index (else index 0) below them.
    // Throws ReelkitError when the stream holds no decodable image.
    QImage finish();

private:
    enum class Stage {
        Signature,
        ScreenDescriptor,
        GlobalTable,
        Record,
        ExtensionLabel,
        ExtensionBlockSize,
        ExtensionBlock,
        ImageDescriptor,
        LocalTable,
        CodeSize,
        ImageBlockSize,
        ImageBlock,
        Done,
        Failed,
    };

    void step(const uchar *&p, const uchar *end);
    bool collect(const uchar *&p, const uchar *end, int wanted);
    void readRecordType(uchar type);
    void readExtensionBlock(const uchar *&p, const uchar *end);
    void readImageDescriptor();
    void startImage(int codeSize);
    void readImageBlock(const uchar *&p, const uchar *end);
    void completeImage();
    void fail(const QString &text);

    Stage m_stage = Stage::Signature;
    bool m_stopAtImageData = false;
    // The fixed-size field being read: signature, descriptor, colour table, or the
    // graphic control block.
    std::array<uchar, 768> m_field{};
    int m_fieldFill = 0;
    int m_blockLeft = 0;
    bool m_graphicControl = false;
    bool m_firstBlock = false;

    std::array<uchar, 768> m_globalTable{};
    int m_globalColours = 0;
    int m_transparentIndex = -1;

    int m_width = 0;
    int m_height = 0;
    bool m_interlaced = false;
    int m_localColours = 0;
    QList<QRgb> m_colours;
    std::optional<LzwDecoder> m_lzw;
    QImage m_picture;
    QString m_failure;
};

} // namespace reelkit
