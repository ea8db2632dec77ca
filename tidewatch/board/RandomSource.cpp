// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/RandomSource.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>

ClockSeededRandom::ClockSeededRandom()
{
    reseedFromClock();
}

double ClockSeededRandom::next()
{
    return mUniform(mEngine);
}

void ClockSeededRandom::reseedFromClock()
{
    // Two reseeds within one clock tick must still give different sequences, so a
    // counter is mixed in; splitmix64 spreads nearby seeds over the whole range.
    static std::atomic<std::uint64_t> reseedCount{0};
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::uint64_t seed = std::uint64_t(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    seed += 0x9E3779B97F4A7C15ULL * (reseedCount.fetch_add(1, std::memory_order_relaxed) + 1);
    seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBULL;
    mEngine.seed(seed ^ (seed >> 31));
}

int roundHalfToEven(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (x <= lowest)
        return std::numeric_limits<int>::min();
    if (x >= highest)
        return std::numeric_limits<int>::max();
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction < 0.5)
        return int(below);
    if (fraction > 0.5)
        return int(below) + 1;
    return std::fmod(below, 2.0) == 0.0 ? int(below) : int(below) + 1;
}

int randomCell(RandomSource &random)
{
    return roundHalfToEven(random.next() * 99.0 + 1.0);
}

int randomStartCell(RandomSource &random)
{
    return roundHalfToEven(random.next() * 89.0 + 1.0);
}

int drawUntil(RandomSource &random, const std::function<int(RandomSource &)> &draw,
              const std::function<bool(int)> &eligible, int lowest, int highest)
{
    for (int attempt = 0; attempt < kMaxDraws; ++attempt) {
        const int value = draw(random);
        if (value >= lowest && value <= highest && eligible(value))
            return value;
    }
    for (int value = lowest; value <= highest; ++value) {
        if (eligible(value))
            return value;
    }
    return 0;
}
