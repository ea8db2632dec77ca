// SPDX-License-Identifier: GPL-3.0-or-later
// bench-reelpane [--decoder reelkit|qt] [--play SECONDS] [FILE.gif]
// bench-reelpane [--decoder reelkit|qt] [--play SECONDS] --all DIR
// bench-reelpane [--decoder reelkit|qt] --commented
// bench-reelpane [--decoder reelkit|qt] --local-tables
// bench-reelpane --generate OUT.gif [FRAMES [WIDTH HEIGHT]]
// bench-reelpane --one-row [--play SECONDS]
//
// Loads FILE through the frame split and through QMovie (every frame decoded),
// best of 5 or more runs each, and prints
//   frames N loadgif_ms A qmovie_ms B ratio R frame_bytes M
// Without FILE it measures a generated 300-frame animation. --all measures every
// GIF file of DIR, one line each, and ends with the worst ratio and bytes per pixel
// over the files of 50,000 bytes or more. --commented loads two files whose header
// holds a large comment (20 MB before 500 frames, 200 MB before 30,000).
// --local-tables loads what gifsicle -O3 makes of a clip with more colours than one
// table holds: small frames, most with a colour table of their own. Error
// reports are printed as "report LABEL: TEXT" instead of opening a dialog. --play
// also lets a Reelpane play the file (with --all: the game's radar animation) and
// prints the share of a core it used. --one-row writes 15 frames of 8192 x 8192 whose
// image data codes one row each and times a Reelpane's GifLoad of it (run it under
// /usr/bin/time -v for the peak memory).
#include "CorpusRun.h"
#include "Measure.h"
#include "OneRowAnimation.h"
#include "Reelpane.h"
#include "SampleAnimation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Options
{
    QString file;
    QString folder;
    QString generateTo;
    int frames = 300;
    int width = 320;
    int height = 240;
    bool qtDecoder = false;
    bool commented = false;
    bool localTables = false;
    bool oneRow = false;
    double playSeconds = 0;
};

bool parse(const QStringList &args, Options &options)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        auto value = [&]() -> QString { return i + 1 < args.size() ? args[++i] : QString(); };
        if (arg == QLatin1String("--decoder")) {
            const QString decoder = value();
            if (decoder != QLatin1String("reelkit") && decoder != QLatin1String("qt"))
                return false;
            options.qtDecoder = decoder == QLatin1String("qt");
        } else if (arg == QLatin1String("--play")) {
            options.playSeconds = value().toDouble();
        } else if (arg == QLatin1String("--all")) {
            options.folder = value();
            if (options.folder.isEmpty())
                return false;
        } else if (arg == QLatin1String("--commented")) {
            options.commented = true;
        } else if (arg == QLatin1String("--local-tables")) {
            options.localTables = true;
        } else if (arg == QLatin1String("--one-row")) {
            options.oneRow = true;
        } else if (arg == QLatin1String("--generate")) {
            options.generateTo = value();
            if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1Char('-')))
                options.frames = value().toInt();
            if (i + 2 < args.size()) {
                options.width = value().toInt();
                options.height = value().toInt();
            }
        } else if (arg.startsWith(QLatin1Char('-'))) {
            return false;
        } else {
            options.file = arg;
        }
    }
    return options.frames > 0 && options.width > 0 && options.height > 0;
}

void printPlaying(const QString &path, double seconds)
{
    std::printf("play_cpu_percent %.2f file %s seconds %.0f\n", measurePlaying(path, seconds),
                qPrintable(QFileInfo(path).fileName()), seconds);
    std::fflush(stdout);
}

int measureOneFile(const Options &options)
{
    QTemporaryDir scratch;
    QString path = options.file;
    if (path.isEmpty()) {
        path = scratch.filePath(QStringLiteral("sample.gif"));
        const QString error = writeSampleAnimation(path, options.frames, options.width, options.height);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "cannot write the sample animation: %s\n", qPrintable(error));
            return 1;
        }
        std::fprintf(stderr, "sample animation: %d frames of %dx%d, %lld bytes\n", options.frames, options.width,
                     options.height, static_cast<long long>(QFileInfo(path).size()));
    }
    const LoadMeasure m = measureLoad(path, options.qtDecoder);
    std::printf("frames %lld loadgif_ms %.1f qmovie_ms %.1f ratio %.2f frame_bytes %lld\n",
                static_cast<long long>(m.frames), m.loadGifMs, m.qmovieMs, m.ratio(),
                static_cast<long long>(m.pictureBytes));
    std::fflush(stdout);
    if (options.playSeconds > 0)
        printPlaying(path, options.playSeconds);
    return 0;
}

int measureOneRowFrames(double playSeconds)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("one-row.gif"));
    if (const QString error = writeOneRowAnimation(path, 15, 8192, 8192); !error.isEmpty()) {
        std::fprintf(stderr, "cannot write the one-row animation: %s\n", qPrintable(error));
        return 1;
    }
    Reelpane pane;
    pane.resize(480, 360);
    pane.show();
    QString name = path;
    QElapsedTimer clock;
    clock.start();
    pane.GifLoad(name);
    std::printf("one_row file_bytes %lld gifload_ms %.1f last_frame %d\n",
                static_cast<long long>(QFileInfo(path).size()), double(clock.nsecsElapsed()) / 1e6,
                int(Reelpane::LastFrame()));
    std::fflush(stdout);
    if (playSeconds > 0)
        printPlaying(path, playSeconds);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr, "usage: bench-reelpane [--decoder reelkit|qt] [--play SECONDS] [FILE.gif | --all DIR]\n"
                             "       bench-reelpane [--decoder reelkit|qt] --commented\n"
                             "       bench-reelpane [--decoder reelkit|qt] --local-tables\n"
                             "       bench-reelpane --generate OUT.gif [FRAMES [WIDTH HEIGHT]]\n"
                             "       bench-reelpane --one-row [--play SECONDS]\n");
        return 2;
    }
    Reelpane::setReportHandler([](const QString &label, const QString &text) {
        std::printf("report %s: %s\n", qPrintable(label), qPrintable(text));
    });

    if (!options.generateTo.isEmpty()) {
        const QString error = writeSampleAnimation(options.generateTo, options.frames, options.width, options.height);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(options.generateTo), qPrintable(error));
            return 1;
        }
        return 0;
    }
    if (options.commented)
        return measureCommentedHeaders(options.qtDecoder);
    if (options.localTables)
        return measureLocalTables(options.qtDecoder);
    if (options.oneRow)
        return measureOneRowFrames(options.playSeconds);
    if (options.folder.isEmpty())
        return measureOneFile(options);

    // The last line stays the worst ratio: the playing share comes before it.
    if (options.playSeconds > 0)
        printPlaying(QCoreApplication::applicationDirPath() + QStringLiteral("/data/radar.gif"), options.playSeconds);
    return measureFolder(options.folder, options.qtDecoder);
}
