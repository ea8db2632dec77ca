// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/RandomSource.h"

#include <QList>

#include <random>

// A RandomSource that returns the scripted numbers first, then a fixed-seed stream,
// and counts reseeds, so tests can steer single draws and replay whole games.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> script = {}) : mScript(std::move(script)) {}

    // The number in [0, 1) that randomCell turns into `cell`.
    static double forCell(int cell) { return (cell - 1) / 99.0; }
    // The number in [0, 1) that randomStartCell turns into `cell`.
    static double forStartCell(int cell) { return (cell - 1) / 89.0; }

    void append(double r) { mScript.append(r); }
    void appendCells(std::initializer_list<int> cells)
    {
        for (int cell : cells)
            mScript.append(forCell(cell));
    }

    double next() override
    {
        ++mDraws;
        if (!mScript.isEmpty())
            return mScript.takeFirst();
        return mFallback(mEngine);
    }
    void reseedFromClock() override { ++mReseeds; }

    int reseeds() const { return mReseeds; }
    int draws() const { return mDraws; }
    qsizetype scriptLeft() const { return mScript.size(); }

private:
    QList<double> mScript;
    std::mt19937_64 mEngine{20240611};
    std::uniform_real_distribution<double> mFallback{0.0, 1.0};
    int mReseeds = 0;
    int mDraws = 0;
};
