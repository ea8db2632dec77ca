// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

class RandomSource;
class ShotRecord;

// What the Admiral has seen of the player's board, as players tell each other: its
// shots in order, each a hit or a miss, and whether it sank a ship (not which one).
// Nothing else of the player's fleet ever reaches the Admiral.
class AdmiralSight
{
public:
    struct Shot
    {
        qint16 cell = 0;
        bool hit = false;
        bool sunk = false;
    };

    void clear() { mShots.clear(); }
    void record(qint16 cell, bool hit, bool sunk) { mShots.push_back({cell, hit, sunk}); }
    const std::vector<Shot> &shots() const { return mShots; }

private:
    std::vector<Shot> mShots;
};

// The Admiral's next cell: where a ship still afloat most likely lies, counted over the
// placements of each remaining ship that agree with every hit, miss and sinking seen,
// those through unsunk hits weighted far above the rest; ties are broken with `random`.
// Cells set in `fired` are never chosen (a cell fired at but missing from the sight
// counts as a miss). Returns 0 when every cell has been fired at.
qint16 admiralChoice(const AdmiralSight &sight, const ShotRecord &fired, RandomSource &random);
