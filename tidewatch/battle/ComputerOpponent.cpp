// SPDX-License-Identifier: GPL-3.0-or-later
#include "battle/ComputerOpponent.h"

#include "battle/AdmiralLevel.h"
#include "board/RandomSource.h"
#include "board/ShotRecord.h"
#include "battle/ShotRule.h"
#include "board/BoardProcedures.h"
#include "board/ShipKinds.h"

namespace {

enum Difficulty : qint32 { Easy = 1, Moderate = 2, Hard = 3, Impossible = 4, Admiral = 5 };

qint16 drawCell(RandomSource &random, const std::function<bool(int)> &eligible)
{
    return qint16(drawUntil(random, randomCell, eligible, 1, ShipKinds::kBoardCells));
}

ShotResult fireAt(ComputerTarget &target, qint16 cell)
{
    return target.fire ? target.fire(cell) : resolveShot(cell, target.ships, target.board, target.shots);
}

qint16 easyShot(ComputerTarget &target, RandomSource &random)
{
    const qint16 cell = drawCell(random, [](int) { return true; });
    fireAt(target, cell);
    return cell;
}

qint16 moderateShot(ComputerTarget &target, RandomSource &random)
{
    const qint16 cell = drawCell(random, [&](int c) { return !target.shots.isSet(c); });
    if (cell != 0)
        fireAt(target, cell);
    return cell;
}

qint16 impossibleShot(ComputerTarget &target, RandomSource &random)
{
    const qint16 cell = drawCell(random, [&](int c) {
        return IsShipAt(qint16(c), target.ships) && !target.shots.isSet(c);
    });
    if (cell != 0)
        fireAt(target, cell);
    return cell;
}

qint16 hardSearchShot(ComputerTarget &target, HardLevelFields &hard, RandomSource &random)
{
    random.reseedFromClock();
    const qint16 cell = drawCell(random, [&](int c) { return !target.shots.isSet(c); });
    if (cell == 0)
        return 0;
    const ShotResult result = fireAt(target, cell);
    hard.mTrackCell = cell;
    hard.mLastShotHit = result.hit;
    if (result.hit) {
        hard.mWalkUp = true;
        hard.mRandomSearch = false;
    }
    return cell;
}

// The first cell not yet fired at from `from` on in steps of `step`, passing over
// hits and misses alike; 0 once the walk leaves the board.
qint16 walkTarget(const ShotRecord &shots, qint32 from, qint32 step)
{
    for (qint32 cell = from + step; ShipKinds::isCell(cell); cell += step) {
        if (!shots.isSet(cell))
            return qint16(cell);
    }
    return 0;
}

qint16 hardShot(ComputerTarget &target, HardLevelFields &hard, RandomSource &random)
{
    if (hard.mRandomSearch)
        return hardSearchShot(target, hard, random);

    constexpr qint32 row = ShipKinds::kRowLength;
    bool walkUp = hard.mTrackCell > row && hard.mLastShotHit && hard.mWalkUp;
    qint16 cell = 0;
    // A walk never leaves the computer without a shot: off the top it turns down,
    // off the bottom it searches.
    if (walkUp) {
        cell = walkTarget(target.shots, hard.mTrackCell, -row);
        walkUp = cell != 0;
    }
    if (!walkUp)
        cell = walkTarget(target.shots, hard.mTrackCell, row);
    if (cell == 0)
        return hardSearchShot(target, hard, random);

    const ShotResult result = fireAt(target, cell);
    hard.mTrackCell = cell;
    hard.mLastShotHit = result.hit;
    if (result.hit) {
        hard.mWalkUp = walkUp;
        hard.mRandomSearch = result.sunk;
    }
    return cell;
}

// The Admiral chooses from its sight alone; the fleet is only the referee of the shot.
// A sight that does not match the shot record belongs to an earlier game.
qint16 admiralShot(ComputerTarget &target, RandomSource &random)
{
    if (target.sight == nullptr)
        return 0;
    AdmiralSight &sight = *target.sight;
    if (sight.shots().size() != std::size_t(target.shots.count()))
        sight.clear();
    const qint16 cell = admiralChoice(sight, target.shots, random);
    if (cell == 0)
        return 0;
    const ShotResult result = fireAt(target, cell);
    sight.record(cell, result.hit, result.sunk);
    return cell;
}

} // namespace

qint16 computerReply(qint32 difficulty, ComputerTarget target, HardLevelFields &hard,
                     RandomSource &random)
{
    switch (difficulty) {
    case Easy: return easyShot(target, random);
    case Moderate: return moderateShot(target, random);
    case Hard: return hardShot(target, hard, random);
    case Impossible: return impossibleShot(target, random);
    case Admiral: return admiralShot(target, random);
    default: return 0;
    }
}

void startHardLevel(HardLevelFields &hard)
{
    hard.mRandomSearch = true;
    hard.mWalkUp = true;
}
