#pragma once

#include "battle/RandomSource.h"

#include <deque>
#include <random>

// Answers the computer's next draws with chosen cells, then plays on from a fixed seed.
// Reseeding from the clock changes nothing, so a game replays exactly.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::deque<int> cells = {})
        : mCells(std::move(cells))
    {
    }
    double next() override
    {
        if (mCells.empty())
            return mUniform(mEngine);
        const int cell = mCells.front();
        mCells.pop_front();
        return (cell - 1) / 99.0; // r * 99 + 1 lands on the cell
    }
    void reseedFromClock() override {}

private:
    std::deque<int> mCells;
    std::mt19937_64 mEngine{1987};
    std::uniform_real_distribution<double> mUniform{0.0, 1.0};
};
