// SPDX-License-Identifier: GPL-3.0-or-later
// bench-first-cue [--runs N] [--pause MS]
//
// How long the first sound cue of a run takes to start, in fresh processes (the
// audio system and its sample cache live per process), N of each (default 5):
// - cold: a cue player that was never warmed up plays "hit" at once;
// - game: the game window, logged in through its log-in screen (which warms the
//   cues up), waits MS milliseconds (default 1000, a quick player's way through
//   the menus and placement), starts a single-player game and fires its first shot.
// A cue counts as started when its effect is loaded and reports playing (a cue
// asked for while still loading reports playing at once, and starts once loaded).
// Prints the medians:
//   cold_cue_ms A first_cue_ms B pause_ms P
// Needs an audio server (for example PulseAudio with a null sink); without one no
// cue ever plays and the run reports that.
#include "UiHarness.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kCueTimeoutMs = 5000;

// Runs the event loop until the named cue of `player` plays; ms since `clock` started.
std::optional<double> untilPlaying(const CuePlayer &player, const QString &cue, const QElapsedTimer &clock)
{
    const QDeadlineTimer deadline(kCueTimeoutMs);
    while (!deadline.hasExpired()) {
        if (player.isPlaying(cue))
            return clock.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return std::nullopt;
}

std::optional<double> coldCue()
{
    CuePlayer player(QCoreApplication::applicationDirPath() + QStringLiteral("/data/sounds"));
    QElapsedTimer clock;
    clock.start();
    player.PlayWave(QStringLiteral("hit"));
    return untilPlaying(player, QStringLiteral("hit"), clock);
}

std::optional<double> gameCue(int pauseMs)
{
    QTemporaryDir accounts;
    const auto window = openGame(accounts.filePath(QStringLiteral("players.txt")));
    createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
    QTest::qWait(pauseMs);
    startSinglePlayer(*window, 1);
    placeFleetInFirstColumns(*window);
    click(*window, QStringLiteral("cmdFinishPlacingShips"));

    QString cue;
    QElapsedTimer clock;
    std::optional<double> started;
    window->modSound().setListener([&](const QString &name) {
        if (cue.isEmpty()) {
            cue = name;
            clock.start();
        }
    });
    // The computer's one-second pause runs inside the click; the cue starts during it.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!started && window->modSound().isPlaying(cue))
            started = clock.nsecsElapsed() / 1e6;
    });
    watch.start(0);
    pressCell(*window, QStringLiteral("imgPlayer2Grid"), 1);
    if (!started && !cue.isEmpty())
        started = untilPlaying(window->modSound(), cue, clock);
    return started;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One sample in a process of its own.
std::optional<double> sampleInChild(const QString &mode, int pauseMs)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {mode, QStringLiteral("--pause"), QString::number(pauseMs)});
    if (!child.waitForFinished(60000))
        return std::nullopt;
    bool ok = false;
    const double ms = child.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? std::optional(ms) : std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const char *name, int fallback) {
        const qsizetype at = args.indexOf(QString::fromLatin1(name));
        return at > 0 ? std::max(0, args.value(at + 1).toInt()) : fallback;
    };
    const int pauseMs = option("--pause", 1000);
    if (args.contains(QStringLiteral("--cold")) || args.contains(QStringLiteral("--game"))) {
        const std::optional<double> ms = args.contains(QStringLiteral("--cold")) ? coldCue() : gameCue(pauseMs);
        if (ms)
            std::printf("%.2f\n", *ms);
        return ms ? 0 : 1;
    }

    std::vector<double> cold, game;
    for (int run = 0, runs = std::max(1, option("--runs", 5)); run < runs; ++run) {
        const std::optional<double> ofCold = sampleInChild(QStringLiteral("--cold"), pauseMs);
        const std::optional<double> ofGame = sampleInChild(QStringLiteral("--game"), pauseMs);
        if (!ofCold || !ofGame) {
            std::fprintf(stderr, "a cue never started playing: is there an audio server?\n");
            return 1;
        }
        cold.push_back(*ofCold);
        game.push_back(*ofGame);
    }
    std::printf("cold_cue_ms %.1f first_cue_ms %.1f pause_ms %d\n", median(cold), median(game), pauseMs);
    return 0;
}
