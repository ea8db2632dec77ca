// SPDX-License-Identifier: GPL-3.0-or-later
// bench-cue-evening [--games N] [--shots S] [--gap MS] [--menu MS] [--source NAME] [--each]
//
// Plays the cues of N whole games (default 3) through the game's cue player and its
// real sound library, as a player who fires every GAP ms (default 3600) hears them,
// with MENU ms (default 20000) between games, and records what the audio server
// really plays by running `parec` on SOURCE (default the default sink's monitor).
// A game's cues: S shots (default 59: 39 "miss", 15 "hit" and 5 "sunk" in a fixed
// order), then its end cue ("clap", or "youlose" for the last game). A cue counts as heard when sound
// starts within 1.5 s of asking for it. Prints one line per game and then
//   cues N heard H first_silent K onset_ms_median M onset_ms_max X
// (K is the 1-based number of the first cue not heard, 0 when all were); --each first
// prints every cue. Exits with 2 when a cue was not heard.
// Needs an audio server and parec (PulseAudio's pulseaudio-utils), for example
// PulseAudio with a null sink: tools/bench-cue-evening.sh runs one privately.
#include "board/modSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kWindow = kRate / 100;       // level windows of 10 ms
constexpr int kHeardWithinMs = 1500;
constexpr int kSilenceLevel = 64;          // a null sink's silence is exact zero

struct Cue
{
    QString name;
    qint64 askedAtSample = 0;
};

// The cues of one game: every third shot hits, and the fleet's 20 cells (ships of
// 2 to 6 cells, sunk in turn) end in 5 sinkings; the rest are misses.
QStringList gameCues(int shots, bool won)
{
    constexpr int kLastCellOfShip[] = {2, 5, 9, 14, 20};
    QStringList cues;
    int cellsHit = 0;
    for (int shot = 0; shot < shots; ++shot) {
        if (shot % 3 != 1 || cellsHit == 20) {
            cues << QStringLiteral("miss");
            continue;
        }
        ++cellsHit;
        const bool sinks = std::find(std::begin(kLastCellOfShip), std::end(kLastCellOfShip), cellsHit)
                           != std::end(kLastCellOfShip);
        cues << (sinks ? QStringLiteral("sunk") : QStringLiteral("hit"));
    }
    cues << (won ? QStringLiteral("clap") : QStringLiteral("youlose"));
    return cues;
}

// Peak level per 10 ms window of what the source played.
class Recorder
{
public:
    explicit Recorder(const QString &source)
    {
        QObject::connect(&mProcess, &QProcess::readyReadStandardOutput, [this] { take(); });
        mProcess.start(QStringLiteral("parec"),
                       {QStringLiteral("--device=") + source, QStringLiteral("--raw"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                        QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--latency-msec=10")});
    }
    ~Recorder()
    {
        mProcess.kill();
        mProcess.waitForFinished();
    }

    bool started() { return mProcess.waitForStarted(); }

    bool waitForSound(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (mSamples == 0 && clock.elapsed() < ms)
            mProcess.waitForReadyRead(100);
        take();
        return mSamples > 0;
    }
    qint64 samples() const { return mSamples; }

    // Ms from `sample` to the first window that sounds, within `limitMs`; -1 if none.
    int onsetMs(qint64 sample, int limitMs) const
    {
        const qint64 first = sample / kWindow;
        const qint64 last = std::min<qint64>(qint64(mPeaks.size()), (sample + qint64(limitMs) * kRate / 1000) / kWindow + 1);
        for (qint64 window = first; window < last; ++window)
            if (mPeaks[size_t(window)] > kSilenceLevel)
                return int(std::max<qint64>(0, window * kWindow - sample) * 1000 / kRate);
        return -1;
    }

private:
    void take()
    {
        mPending += mProcess.readAllStandardOutput();
        const qsizetype whole = mPending.size() / (2 * kWindow) * (2 * kWindow);
        const auto *pcm = reinterpret_cast<const qint16 *>(mPending.constData());
        for (qsizetype at = 0; at < whole / 2; at += kWindow) {
            int peak = 0;
            for (int i = 0; i < kWindow; ++i)
                peak = std::max(peak, std::abs(int(pcm[at + i])));
            mPeaks.push_back(peak);
        }
        mSamples += whole / 2;
        mPending.remove(0, whole);
    }

    QProcess mProcess;
    QByteArray mPending;
    std::vector<int> mPeaks;
    qint64 mSamples = 0;
};

int option(const QStringList &args, const char *name, int fallback)
{
    const qsizetype at = args.indexOf(QString::fromLatin1(name));
    return at > 0 ? std::max(0, args.value(at + 1).toInt()) : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int games = std::max(1, option(args, "--games", 3));
    const int shots = option(args, "--shots", 59);
    const int gapMs = option(args, "--gap", 3600);
    const int menuMs = option(args, "--menu", 20000);
    const qsizetype sourceAt = args.indexOf(QStringLiteral("--source"));
    const QString source = sourceAt > 0 ? args.value(sourceAt + 1) : QStringLiteral("@DEFAULT_MONITOR@");

    Recorder recorder(source);
    if (!recorder.started()) {
        std::fprintf(stderr, "parec did not start: is it installed? (Debian: pulseaudio-utils)\n");
        return 1;
    }
    if (!recorder.waitForSound(5000)) {
        std::fprintf(stderr, "parec recorded nothing from %s: is there an audio server?\n", qPrintable(source));
        return 1;
    }
    CuePlayer player(QCoreApplication::applicationDirPath() + QStringLiteral("/data/sounds"));
    player.preload({QStringLiteral("hit"), QStringLiteral("sunk"), QStringLiteral("miss"), QStringLiteral("clap"),
                    QStringLiteral("youlose"), QStringLiteral("slap")});

    std::vector<Cue> cues;
    std::vector<int> gameStarts;
    for (int game = 0; game < games; ++game) {
        gameStarts.push_back(int(cues.size()));
        QTimer::singleShot(game == 0 ? gapMs : menuMs, &app, [] { QCoreApplication::exit(0); });
        app.exec();
        for (const QString &cue : gameCues(shots, game + 1 < games)) {
            cues.push_back({cue, recorder.samples()});
            player.PlayWave(cue);
            QTimer::singleShot(gapMs, &app, [] { QCoreApplication::exit(0); });
            app.exec();
        }
    }
    QTimer::singleShot(kHeardWithinMs, &app, [] { QCoreApplication::exit(0); });
    app.exec();
    recorder.waitForSound(0);

    int heard = 0;
    int firstSilent = 0;
    std::vector<int> onsets;
    for (size_t i = 0; i < cues.size(); ++i) {
        const int onset = recorder.onsetMs(cues[i].askedAtSample, kHeardWithinMs);
        if (onset >= 0) {
            ++heard;
            onsets.push_back(onset);
        } else if (firstSilent == 0) {
            firstSilent = int(i) + 1;
        }
        if (args.contains(QStringLiteral("--each")))
            std::printf("cue %zu %s %s\n", i + 1, qPrintable(cues[i].name), onset >= 0 ? "heard" : "silent");
    }
    for (int game = 0; game < games; ++game) {
        const size_t from = size_t(gameStarts[size_t(game)]);
        const size_t to = game + 1 < games ? size_t(gameStarts[size_t(game) + 1]) : cues.size();
        int gameHeard = 0;
        for (size_t i = from; i < to; ++i)
            gameHeard += recorder.onsetMs(cues[i].askedAtSample, kHeardWithinMs) >= 0;
        std::printf("game %d cues %zu heard %d\n", game + 1, to - from, gameHeard);
    }
    std::sort(onsets.begin(), onsets.end());
    std::printf("cues %zu heard %d first_silent %d onset_ms_median %d onset_ms_max %d\n", cues.size(), heard,
                firstSilent, onsets.empty() ? -1 : onsets[onsets.size() / 2], onsets.empty() ? -1 : onsets.back());
    return heard == int(cues.size()) ? 0 : 2;
}
