// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <random>

// Uniform numbers in [0, 1). The game reseeds from the clock; tests inject a script.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseedFromClock() = 0;
};

class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom();
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 mEngine;
    std::uniform_real_distribution<double> mUniform{0.0, 1.0};
};

// Whole number nearest to x, an exact half going to the even neighbour.
int roundHalfToEven(double x);
// A random cell 1..100: nearest whole number to r * 99 + 1.
int randomCell(RandomSource &random);
// A random start cell 1..90 for the computer's fleet: r * 89 + 1.
int randomStartCell(RandomSource &random);

// Draws with `draw` until `eligible` accepts the value, as the computer's draw loops do.
// A fair source finds an eligible value long before kMaxDraws; after that many misses
// the lowest eligible value in lowest..highest is taken, and 0 when there is none, so
// a full board or a broken source cannot hang the game.
constexpr int kMaxDraws = 100000;
int drawUntil(RandomSource &random, const std::function<int(RandomSource &)> &draw,
              const std::function<bool(int)> &eligible, int lowest, int highest);
