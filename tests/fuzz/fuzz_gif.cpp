// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for LoadGif, the frame split and the frame decoding; built and
// run by tools/fuzz-gif.sh, not part of the test suite.
//
// Each input is written to a file and loaded as a whole: every element the load
// creates must hold an indexed picture, with a colour for every pixel, and a delay;
// the pictures must stay within the load's memory limit, and a load without a
// report must have counted its frames. Then the input is decoded as one frame file, once whole and once cut into
// a header and a chunk (at a place the input's last byte picks): both must give the
// same picture or the same failure.
#include "dialogs/ReelkitError.h"
#include "dialogs/ReportError.h"
#include "gif/FrameDecoder.h"
#include "gif/FrameElements.h"
#include "gif/modAniGif.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

int gReports = 0;

// The table is as long as the frame needs: no pixel may point past its end.
bool everyIndexHasAColour(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            if (row[x] >= picture.colorCount())
                return false;
    }
    return true;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkLoad(QByteArrayView bytes)
{
    static QTemporaryDir dir;
    static QString path = dir.filePath(QStringLiteral("input.gif"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(bytes.data(), bytes.size()) == bytes.size());
    file.close();

    reelkit::FrameElements elements;
    reelkit::LoadGifHooks hooks;
    hooks.pumpEvents = [] { return true; };
    gReports = 0;
    reelkit::gLastFrame = -1;
    const bool passed = reelkit::LoadGif(path, elements, hooks);
    require(gReports <= 1);
    require(passed || elements.count() == 1);
    qint64 pixelBytes = 0;
    for (qsizetype i = 1; i < elements.count(); ++i) {
        const QImage &picture = elements.at(i).Picture;
        pixelBytes += picture.sizeInBytes();
        require(picture.format() == QImage::Format_Indexed8 && everyIndexHasAColour(picture));
        require(elements.delayOf(i) >= 0);
    }
    require(pixelBytes <= reelkit::kMaxLoadedPictureBytes);
    if (gReports == 0)
        require(passed && reelkit::gLastFrame == elements.count() - 1);
}

struct Decoded
{
    QImage picture;
    QString failure;
    bool operator==(const Decoded &other) const = default;
};

Decoded decode(QByteArrayView header, QByteArrayView chunk)
{
    try {
        return {reelkit::gifFrameDecoder(header)(chunk), {}};
    } catch (const reelkit::ReelkitError &error) {
        return {{}, QString::fromUtf8(error.what())};
    }
}

} // namespace

// The load reports into the fuzzer instead of a dialog.
void reelkit::ReportError(const QString &errorText, const QString &procedureLabel)
{
    require(procedureLabel == QLatin1String("modAniGif.LoadGif()") && !errorText.isEmpty());
    ++gReports;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkLoad(bytes);
    const qsizetype cut = size > 0 ? qsizetype(data[size - 1]) * bytes.size() / 255 : 0;
    require(decode(bytes, {}) == decode(bytes.first(cut), bytes.sliced(cut)));
    return 0;
}
