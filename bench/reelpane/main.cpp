// bench-reelpane [--decoder giflib|qt] [--play SECONDS] [FILE.gif]
// bench-reelpane --generate OUT.gif [FRAMES [WIDTH HEIGHT]]
//
// Loads FILE through the frame split and through QMovie (every frame decoded),
// best of 5 runs each, and prints
//   frames N loadgif_ms A qmovie_ms B ratio R frame_bytes M
// Without FILE it measures a generated 300-frame animation. Error reports are
// printed as "report LABEL: TEXT" instead of opening a dialog. --play also lets a
// Reelpane play the file and prints the share of a core it used.
#include "Reelpane.h"
#include "SampleAnimation.h"
#include "gif/FrameElements.h"
#include "gif/modAniGif.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMovie>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kRuns = 5;

struct Options
{
    QString file;
    QString generateTo;
    int frames = 300;
    int width = 320;
    int height = 240;
    bool qtDecoder = false;
    double playSeconds = 0;
};

struct SplitResult
{
    double bestMs = std::numeric_limits<double>::max();
    qsizetype frames = 0;
    qint64 pictureBytes = 0;
};

SplitResult measureSplit(const QString &path, bool qtDecoder)
{
    SplitResult result;
    for (int run = 0; run < kRuns; ++run) {
        reelkit::FrameElements elements;
        reelkit::LoadGifHooks hooks;
        if (qtDecoder)
            hooks.decoderFor = reelkit::qtFrameDecoder;
        QString name = path;
        QElapsedTimer clock;
        clock.start();
        reelkit::LoadGif(name, elements, hooks);
        result.bestMs = std::min(result.bestMs, clock.nsecsElapsed() / 1e6);
        result.frames = elements.count();
        result.pictureBytes = elements.pictureBytes();
    }
    return result;
}

double measureQMovie(const QString &path)
{
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        QMovie movie(path);
        movie.setCacheMode(QMovie::CacheNone);
        const int frames = movie.frameCount();
        qint64 pixels = 0;
        for (int i = 0; i < frames && movie.jumpToNextFrame(); ++i)
            pixels += movie.currentImage().width();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
        if (pixels == 0)
            std::fprintf(stderr, "QMovie decoded no frame of %s\n", qPrintable(path));
    }
    return best;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Plays the file in a shown Reelpane for a while and returns the CPU share used.
double measurePlaying(const QString &path, double seconds)
{
    Reelpane pane;
    pane.resize(480, 360);
    pane.show();
    QString name = path;
    pane.GifLoad(name);
    QApplication::processEvents();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    return 100.0 * (cpuSeconds() - cpuBefore) / (wall.nsecsElapsed() / 1e9);
}

bool parse(const QStringList &args, Options &options)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        auto value = [&]() -> QString { return i + 1 < args.size() ? args[++i] : QString(); };
        if (arg == QLatin1String("--decoder")) {
            const QString decoder = value();
            if (decoder != QLatin1String("giflib") && decoder != QLatin1String("qt"))
                return false;
            options.qtDecoder = decoder == QLatin1String("qt");
        } else if (arg == QLatin1String("--play")) {
            options.playSeconds = value().toDouble();
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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr, "usage: bench-reelpane [--decoder giflib|qt] [--play SECONDS] [FILE.gif]\n"
                             "       bench-reelpane --generate OUT.gif [FRAMES [WIDTH HEIGHT]]\n");
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

    const SplitResult split = measureSplit(path, options.qtDecoder);
    const double movieMs = measureQMovie(path);
    std::printf("frames %lld loadgif_ms %.1f qmovie_ms %.1f ratio %.2f frame_bytes %lld\n",
                static_cast<long long>(split.frames), split.bestMs, movieMs, split.bestMs / movieMs,
                static_cast<long long>(split.pictureBytes));
    if (options.playSeconds > 0)
        std::printf("play_cpu_percent %.2f\n", measurePlaying(path, options.playSeconds));
    std::fflush(stdout);
    return 0;
}
