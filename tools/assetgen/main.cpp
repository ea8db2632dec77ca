// SPDX-License-Identifier: GPL-3.0-or-later
// Draws and synthesises every asset of Tidewatch into a repository checkout:
//   assetgen <repository root>
// The output depends on nothing but this code, so a rerun rewrites identical files.

#include "AssetFiles.h"
#include "CellPictures.h"
#include "Cursors.h"
#include "Emblem.h"
#include "GifWriter.h"
#include "RadarAnimation.h"
#include "ShipSideView.h"
#include "ShipTopView.h"
#include "SoundCues.h"
#include "WavFile.h"

#include <QDir>

#include <cstdio>
#include <exception>

namespace {

// Every picture of the window at one scale: 1 for ordinary screens, 2 for their @2x twins.
void makePictures(ResourceFolder &resources, int scale)
{
    resources.savePicture(QStringLiteral("icon"), emblemPicture(64 * scale), {64, 64}, scale);
    resources.savePicture(QStringLiteral("about"), emblemPicture(96 * scale), {96, 96}, scale);
    resources.savePicture(QStringLiteral("topship"), topShipPicture(scale), {571, 73}, scale);
    const QSize cell(kCellSize, kCellSize);
    resources.savePicture(QStringLiteral("water"), waterPicture(scale), cell, scale);
    resources.savePicture(QStringLiteral("hit"), hitPicture(scale), cell, scale);
    resources.savePicture(QStringLiteral("miss"), missPicture(scale), cell, scale);
    for (const ShipKind kind : kAllShipKinds) {
        const QList<QImage> segments = shipSegments(kind, scale);
        for (qsizetype i = 0; i < segments.size(); ++i)
            resources.savePicture(QStringLiteral("ship%1_%2").arg(shipNumber(kind)).arg(i + 1),
                                  segments[i], cell, scale);
        resources.savePicture(QStringLiteral("shipicon%1").arg(shipNumber(kind)),
                              shipIconPicture(kind, scale), {73, 21}, scale);
    }
    resources.savePicture(QStringLiteral("cursor_crosshair"), crosshairCursorPicture(scale), {32, 32}, scale);
    resources.savePicture(QStringLiteral("cursor_remove"), removeCursorPicture(scale), {32, 32}, scale);
}

// The desktop's menu icon, at the sizes of the hicolor theme.
void makeMenuIcons(const QDir &root)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        writePng(root.filePath(QStringLiteral("desktop/icons/tidewatch-%1.png").arg(size)),
                 emblemPicture(size), {size, size});
}

void makeData(const QDir &root)
{
    writeFileBytes(root.filePath(QStringLiteral("data/radar.gif")),
                   encodeGifAnimation(radarAnimation()));
    for (const SoundCue &cue : allSoundCues())
        writeFileBytes(root.filePath(QStringLiteral("data/sounds/%1.wav").arg(cue.name)),
                       wavFileBytes(cue.samples, synth::kSampleRate));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen <repository root>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.exists()) {
        std::fprintf(stderr, "assetgen: %s does not exist\n", argv[1]);
        return 2;
    }
    try {
        ResourceFolder resources(root.filePath(QStringLiteral("tidewatch/main/resources")));
        for (const int scale : {1, 2})
            makePictures(resources, scale);
        resources.writeQrc(QStringLiteral("tidewatch.qrc"), QStringLiteral("/tidewatch"));
        makeMenuIcons(root);
        makeData(root);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
