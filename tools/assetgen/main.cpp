// Draws and synthesises every asset of Tidewatch into a repository checkout:
//   assetgen <repository root>
// The output depends on nothing but this code, so a rerun rewrites identical files.

#include "AssetFiles.h"
#include "Background.h"
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

void makePictures(const QDir &root)
{
    ResourceFolder resources(root.filePath(QStringLiteral("tidewatch/main/resources")));
    resources.savePicture(QStringLiteral("background.png"), backgroundPicture(), {699, 479});
    resources.savePicture(QStringLiteral("icon.png"), emblemPicture(64), {64, 64});
    resources.savePicture(QStringLiteral("about.png"), emblemPicture(96), {96, 96});
    resources.savePicture(QStringLiteral("topship.png"), topShipPicture(), {571, 73});
    const QSize cell(kCellSize, kCellSize);
    resources.savePicture(QStringLiteral("water.png"), waterPicture(), cell);
    resources.savePicture(QStringLiteral("hit.png"), hitPicture(), cell);
    resources.savePicture(QStringLiteral("miss.png"), missPicture(), cell);
    for (const ShipKind kind : kAllShipKinds) {
        const QList<QImage> segments = shipSegments(kind);
        for (qsizetype i = 0; i < segments.size(); ++i)
            resources.savePicture(
                QStringLiteral("ship%1_%2.png").arg(shipNumber(kind)).arg(i + 1), segments[i], cell);
        resources.savePicture(QStringLiteral("shipicon%1.png").arg(shipNumber(kind)),
                              shipIconPicture(kind), {73, 21});
    }
    resources.savePicture(QStringLiteral("cursor_crosshair.png"), crosshairCursorPicture(), {32, 32});
    resources.savePicture(QStringLiteral("cursor_remove.png"), removeCursorPicture(), {32, 32});
    resources.writeQrc(QStringLiteral("tidewatch.qrc"), QStringLiteral("/tidewatch"));
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
        makePictures(root);
        makeData(root);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
