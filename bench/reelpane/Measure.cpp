// SPDX-License-Identifier: GPL-3.0-or-later
#include "Measure.h"

#include "Reelpane.h"
#include "gif/FrameElements.h"
#include "gif/modAniGif.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMovie>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kMaxRuns = 40;
constexpr double kMinSpentMs = 250;

struct Clock
{
    double best = std::numeric_limits<double>::max();
    double spent = 0;

    template <typename Fn>
    void time(Fn &&fn)
    {
        QElapsedTimer clock;
        clock.start();
        fn();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        best = std::min(best, ms);
        spent += ms;
    }
};

void loadWithReelkit(const QString &path, bool qtDecoder, LoadMeasure &result)
{
    reelkit::FrameElements elements;
    reelkit::LoadGifHooks hooks;
    if (qtDecoder)
        hooks.decoderFor = reelkit::qtFrameDecoder;
    QString name = path;
    reelkit::LoadGif(name, elements, hooks);
    result.frames = elements.count();
    result.pictureBytes = elements.pictureBytes();
    result.pixels = 0;
    for (qsizetype i = 0; i < elements.count(); ++i) {
        const QImage &picture = elements.at(i).Picture;
        result.pixels += qint64(picture.width()) * picture.height();
    }
}

void decodeWithQMovie(const QString &path)
{
    QMovie movie(path);
    movie.setCacheMode(QMovie::CacheNone);
    const int frames = movie.frameCount();
    qint64 pixels = 0;
    for (int i = 0; i < frames && movie.jumpToNextFrame(); ++i)
        pixels += movie.currentImage().width();
    if (pixels == 0)
        std::fprintf(stderr, "QMovie decoded no frame of %s\n", qPrintable(path));
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

LoadMeasure measureLoad(const QString &path, bool qtDecoder, int runs)
{
    LoadMeasure result;
    Clock reelkit;
    Clock qmovie;
    for (int run = 0; run < kMaxRuns; ++run) {
        if (run >= runs && reelkit.spent >= kMinSpentMs && qmovie.spent >= kMinSpentMs)
            break;
        reelkit.time([&] { loadWithReelkit(path, qtDecoder, result); });
        qmovie.time([&] { decodeWithQMovie(path); });
    }
    result.loadGifMs = reelkit.best;
    result.qmovieMs = qmovie.best;
    return result;
}

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
    return 100.0 * (cpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9);
}
