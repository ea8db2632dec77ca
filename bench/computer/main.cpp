// SPDX-License-Identifier: GPL-3.0-or-later
// bench-computer: plays whole games of each computer level against fleets placed by
// the computer's own rule and reports how many shots each level needs to win.
//
//   bench-computer [--games N]      (N defaults to 10000)
//
// One line per level:
//   level NAME games N mean X median Y max Z repeats R think T
// where R counts shots at a cell already fired at and T is the longest single reply
// in milliseconds of processor time (wall time on a shared machine mostly measures
// the other programs).

#include "battle/AdmiralLevel.h"
#include "battle/ComputerOpponent.h"
#include "board/FleetPlacement.h"
#include "board/RandomSource.h"
#include "board/ShotRecord.h"
#include "battle/ShotRule.h"
#include "board/BoardModel.h"
#include "board/Fleet.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

struct Level
{
    qint32 difficulty;
    const char *name;
};

constexpr Level kLevels[] = {{1, "Easy"}, {2, "Moderate"}, {3, "Hard"}, {4, "Impossible"},
                           {5, "Admiral"}};
constexpr long kMaxGames = 10'000'000;

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct GameOutcome
{
    long shots = 0;
    long repeats = 0;
    bool finished = false;
    double longestReplyMs = 0;
};

// One game as the single-player battle runs it: a fresh fleet, then one reply per
// turn, each after a reseed, until the fleet is sunk.
GameOutcome playGame(qint32 difficulty, HardLevelFields &hard, RandomSource &random)
{
    Fleet fleet;
    BoardModel board;
    ShotRecord shots;
    AdmiralSight sight;
    placeComputerFleet(fleet, board, false, random);
    startHardLevel(hard);

    GameOutcome outcome;
    while (!IsFleetDestroyed(fleet)) {
        random.reseedFromClock();
        const int firedBefore = shots.count();
        const double replyStarted = threadMilliseconds();
        const qint16 cell =
            computerReply(difficulty, {fleet, board, shots, &sight}, hard, random);
        outcome.longestReplyMs =
            std::max(outcome.longestReplyMs, threadMilliseconds() - replyStarted);
        if (cell == 0)
            return outcome;
        ++outcome.shots;
        if (shots.count() == firedBefore)
            ++outcome.repeats;
    }
    outcome.finished = true;
    return outcome;
}

double median(std::vector<long> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return double(values[middle]);
    return (double(values[middle - 1]) + double(values[middle])) / 2.0;
}

bool parseGames(int argc, char **argv, long &games)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--games") != 0 || i + 1 >= argc)
            return false;
        const char *text = argv[++i];
        const char *textEnd = text + std::strlen(text);
        const auto [end, error] = std::from_chars(text, textEnd, games);
        if (error != std::errc() || end != textEnd || games < 1 || games > kMaxGames)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    long games = 10000;
    if (!parseGames(argc, argv, games)) {
        std::fprintf(stderr, "usage: %s [--games N]   (1 <= N <= %ld)\n", argv[0], kMaxGames);
        return 2;
    }

    ClockSeededRandom random;
    HardLevelFields hard; // kept from game to game, as on the game window
    int stalled = 0;
    for (const Level &level : kLevels) {
        const auto started = std::chrono::steady_clock::now();
        std::vector<long> shotCounts;
        shotCounts.reserve(std::size_t(games));
        long repeats = 0;
        double longestReplyMs = 0;
        for (long game = 0; game < games; ++game) {
            const GameOutcome outcome = playGame(level.difficulty, hard, random);
            if (!outcome.finished)
                ++stalled;
            shotCounts.push_back(outcome.shots);
            repeats += outcome.repeats;
            longestReplyMs = std::max(longestReplyMs, outcome.longestReplyMs);
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        double total = 0;
        for (long shots : shotCounts)
            total += double(shots);
        std::printf("level %s games %ld mean %.2f median %g max %ld repeats %ld think %.3f\n",
                    level.name, games, total / double(games), median(shotCounts),
                    *std::max_element(shotCounts.begin(), shotCounts.end()), repeats,
                    longestReplyMs);
        std::fflush(stdout);
        std::fprintf(stderr, "  %s: %.2f s\n", level.name, seconds);
    }
    if (stalled != 0) {
        std::fprintf(stderr, "%d game(s) ended without a shot being possible\n", stalled);
        return 1;
    }
    return 0;
}
