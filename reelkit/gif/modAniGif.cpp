// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gif/modAniGif.h"

#include "dialogs/ReportError.h"
#include "gif/FrameElements.h"
#include "gif/GifBytes.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace reelkit {

qint32 gLastFrame = 0;

namespace {

const QString kLabel = QStringLiteral("modAniGif.LoadGif()");

// The split counts its passes in 16 bits.
constexpr qint32 kMaxFrameCounter = 32767;

QByteArray readWholeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ReelkitError(file.errorString());
    if (file.size() > kMaxGifFileBytes)
        throw ReelkitError(
            QCoreApplication::translate("ReelkitGif", "The file is too large (%1 bytes)").arg(file.size()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReelkitError(file.errorString());
    return bytes;
}

// The chunk of an inner frame, from the F9 of its marker to the 00 21 of the next one
// at q, and of the last frame, from the F9 of its marker to the third-last byte.
QByteArrayView innerChunk(QByteArrayView bytes, qsizetype pos, qsizetype q)
{
    return bytes.sliced(pos - 1, q - pos + 3);
}

QByteArrayView lastChunk(QByteArrayView bytes, qsizetype pos)
{
    return pos + 1 < bytes.size() ? bytes.sliced(pos - 1, bytes.size() - pos - 1) : QByteArrayView();
}

// Weighs every frame's picture from its descriptor before any is decoded: a few
// hundred bytes may describe frames of gigabytes, and a load refused only once its
// frames were decoded would already have taken the memory.
void checkPictureBudget(QByteArrayView bytes, QByteArrayView header, qsizetype pos)
{
    const FrameSizer pixelsOf = gifFrameSizer(header);
    qint64 total = 0;
    for (qint32 k = 1; k <= kMaxFrameCounter; ++k) {
        const qsizetype q = findFrameMarker(bytes, pos);
        total += pixelsOf(q >= 0 ? innerChunk(bytes, pos, q) : lastChunk(bytes, pos));
        if (total > kMaxLoadedPictureBytes)
            throw ReelkitError(
                QCoreApplication::translate("ReelkitGif", "The frames need more than %1 bytes of memory")
                    .arg(kMaxLoadedPictureBytes));
        if (q < 0)
            return;
        pos = q + kFrameMarkerLength;
    }
}

class Splitter
{
public:
    Splitter(QByteArrayView header, FrameElements &elements, const LoadGifHooks &hooks)
        : m_decode(hooks.decoderFor(header)), m_elements(elements)
    {
    }

    // One frame from the chunk that starts with the F9 of its marker: decoded
    // completely before its element is touched, so a failure leaves no half frame.
    void addFrame(qint32 k, QByteArrayView chunk)
    {
        //: Name of a frame's field, shown in "The frame data ends before its %1 field"
        const qint32 delay = readU16(chunk, 3, QT_TRANSLATE_NOOP("ReelkitGif", "delay"));
        qint32 x = 0;
        qint32 y = 0;
        if (k >= 2) {
            //: Name of a frame's field, shown in "The frame data ends before its %1 field"
            x = readU16(chunk, 8, QT_TRANSLATE_NOOP("ReelkitGif", "left position"));
            //: Name of a frame's field, shown in "The frame data ends before its %1 field"
            y = readU16(chunk, 10, QT_TRANSLATE_NOOP("ReelkitGif", "top position"));
        }
        QImage picture = m_decode(chunk);
        if (picture.isNull())
            throw ReelkitError(QCoreApplication::translate("ReelkitGif", "The frame could not be decoded"));

        FrameElement &element = k >= 2 ? m_elements.append() : m_elements.at(0);
        if (k >= 2) {
            const FrameElement &first = m_elements.at(0);
            element.Left = first.Left + pixelsToTwips(x);
            element.Top = first.Top + pixelsToTwips(y);
        }
        element.Tag = QString::number(delay * 10);
        element.Picture = std::move(picture);
    }

private:
    FrameDecoder m_decode;
    FrameElements &m_elements;
};

bool pump(const LoadGifHooks &hooks)
{
    if (hooks.pumpEvents)
        return hooks.pumpEvents();
    QCoreApplication::processEvents();
    return true;
}

} // namespace

bool LoadGif(QString &sFilename, FrameElements &imgMain, const LoadGifHooks &hooks)
{
    if (sFilename.isEmpty() || !QFileInfo(sFilename).isFile()) {
        //: %1 is the path of the GIF file
        ReportError(QCoreApplication::translate("ReelkitGif", "'%1' not found").arg(sFilename), kLabel);
        return false;
    }

    bool result = false;
    bool alive = true;
    reportFailures(kLabel, [&] {
        imgMain.removeAllButFirst();
        const QByteArray file = readWholeFile(sFilename);
        const QByteArrayView bytes(file);
        const qsizetype n = bytes.size();

        const qsizetype m0 = findFrameMarker(bytes, 0);
        const QByteArrayView header = m0 >= 0 ? bytes.first(m0 + 2) : bytes.first(std::min<qsizetype>(n, 1));
        if (m0 < 0 || !header.startsWith(QByteArrayView("GIF"))) {
            ReportError(QCoreApplication::translate("ReelkitGif", "This file is not a valid *.gif file"),
                        kLabel);
            return;
        }

        qsizetype pos = m0 + kFrameMarkerLength;
        // Before the load counts as started: a refused file leaves the control paused.
        checkPictureBudget(bytes, header, pos);
        result = true;
        Splitter splitter(header, imgMain, hooks);
        qint32 k = 0;
        for (;;) {
            if (k >= kMaxFrameCounter)
                throw ReelkitError(QCoreApplication::translate("ReelkitGif", "Overflow: more than %1 frame markers")
                                       .arg(kMaxFrameCounter));
            ++k;
            const qsizetype q = findFrameMarker(bytes, pos);
            if (q < 0) {
                alive = pump(hooks);
                break;
            }
            splitter.addFrame(k, innerChunk(bytes, pos, q));
            pos = q + kFrameMarkerLength;
            alive = pump(hooks);
            if (!alive)
                return;
        }
        if (!alive)
            return;
        if (const QByteArrayView last = lastChunk(bytes, pos); !last.isEmpty())
            splitter.addFrame(k, last);
        gLastFrame = qint32(imgMain.count() - 1);
    });
    return result;
}

} // namespace reelkit
