// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalTableAnimation.h"

#include "GifBytes.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrames = 120;
constexpr int kBallRadius = 36;
constexpr int kBackgroundColours = 128;

// Every colour has no blue, so whichever colour gifsicle puts last in its global
// table, the table ends in a 00 byte and the first frame's marker is found.
std::array<GifColorType, 256> frameColours(int frame)
{
    std::array<GifColorType, 256> colours{};
    for (int i = 0; i < kBackgroundColours; ++i)
        colours[size_t(i)] = {GifByteType(i * 2), GifByteType(255 - i * 2), 0};
    for (int i = kBackgroundColours; i < 256; ++i)
        colours[size_t(i)] = {GifByteType((frame * 37 + i * 3) & 0xFF), GifByteType((frame * 91 + i * 7) & 0xFF), 0};
    return colours;
}

// Whole frames, each with a table of its own: the background's colours and the ball's
// colours of that frame.
QByteArray encodeFrames(QString &error)
{
    QByteArray bytes;
    int code = 0;
    GifFileType *gif = openGifWriter(bytes, &code);
    if (!gif) {
        error = QString::fromLatin1(GifErrorString(code));
        return {};
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, nullptr) != GIF_ERROR;
    std::vector<GifPixelType> row(static_cast<size_t>(kWidth));
    for (int f = 0; ok && f < kFrames; ++f) {
        GraphicsControlBlock control{};
        control.DelayTime = 5;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        const std::array<GifColorType, 256> colours = frameColours(f);
        ColorMapObject *map = GifMakeMapObject(int(colours.size()), colours.data());
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_ERROR
             && EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, map) != GIF_ERROR;
        GifFreeMapObject(map);
        const double t = f * 12.0;
        const int ballX = int(kWidth / 2 + (kWidth / 2 - kBallRadius - 1) * std::sin(t * 0.013));
        const int ballY = int(kHeight / 2 + (kHeight / 2 - kBallRadius - 1) * std::cos(t * 0.017));
        for (int y = 0; ok && y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int dx = x - ballX;
                const int dy = y - ballY;
                const int distance = dx * dx + dy * dy;
                row[size_t(x)] = distance < kBallRadius * kBallRadius
                                     ? GifPixelType(kBackgroundColours + distance * 64 / (kBallRadius * kBallRadius))
                                     : GifPixelType(((x * 3 + y * 2) / 10) % kBackgroundColours);
            }
            ok = EGifPutLine(gif, row.data(), kWidth) != GIF_ERROR;
        }
    }
    if (!ok)
        error = QString::fromLatin1(GifErrorString(gif->Error));
    EGifCloseFile(gif, &code);
    return bytes;
}

} // namespace

QString writeLocalTableAnimation(const QString &path)
{
    QString error;
    const QByteArray frames = encodeFrames(error);
    if (!error.isEmpty())
        return error;
    const QString gifsicle = QStandardPaths::findExecutable(QStringLiteral("gifsicle"));
    if (gifsicle.isEmpty())
        return QStringLiteral("gifsicle is not installed (Debian package gifsicle)");
    QProcess optimiser;
    optimiser.start(gifsicle, {QStringLiteral("-O3"), QStringLiteral("--no-warnings"), QStringLiteral("-"),
                               QStringLiteral("-o"), path});
    if (!optimiser.waitForStarted())
        return QStringLiteral("gifsicle did not start: ") + optimiser.errorString();
    optimiser.write(frames);
    optimiser.closeWriteChannel();
    if (!optimiser.waitForFinished(120000) || optimiser.exitStatus() != QProcess::NormalExit
        || optimiser.exitCode() != 0)
        return QStringLiteral("gifsicle failed: ") + QString::fromLocal8Bit(optimiser.readAllStandardError());
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return written.errorString();
    // A marker inside compressed pixels would cut a frame in two: the file would not
    // measure what it stands for.
    if (const qsizetype markers = countFrameMarkers(written.readAll()); markers != kFrames)
        return QStringLiteral("gifsicle's file holds %1 frame markers, not %2").arg(markers).arg(kFrames);
    return {};
}
