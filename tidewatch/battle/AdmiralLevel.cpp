// SPDX-License-Identifier: GPL-3.0-or-later
#include "battle/AdmiralLevel.h"

#include "board/RandomSource.h"
#include "board/ShotRecord.h"
#include "board/ShipKinds.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>

namespace {

constexpr int kCells = ShipKinds::kBoardCells;
constexpr int kRow = ShipKinds::kRowLength;
constexpr int kRows = kCells / kRow;
// Each unsunk hit a placement runs through multiplies its weight by this much, so the
// Admiral finishes a ship it has found before it searches on.
constexpr double kHitWeight = 40.0;
// Readings of the sinkings kept at most: a few on any real board; the bound keeps an
// odd sight from costing more than a moment.
constexpr std::size_t kMaxReadings = 256;
constexpr double kTieTolerance = 1e-9;

enum class Seen : quint8 { Unknown, Miss, Hit };

using CellSet = std::bitset<kCells + 1>;

struct SeenBoard
{
    std::array<Seen, kCells + 1> cells{}; // [1..100]
    std::array<int, kCells + 1> hitOrder{};
    std::vector<std::pair<qint16, int>> sinkings; // cell and order of each sinking hit
};

// One way the sinkings seen may have happened: which ships are gone, and the hits
// their wrecks cover.
struct Reading
{
    std::array<bool, ShipKinds::kShipCount + 1> sunk{}; // by ship number
    CellSet wrecks;
};

SeenBoard lookAt(const AdmiralSight &sight, const ShotRecord &fired)
{
    SeenBoard board;
    int order = 0;
    for (const AdmiralSight::Shot &shot : sight.shots()) {
        ++order;
        if (!ShipKinds::isCell(shot.cell))
            continue;
        board.cells[shot.cell] = shot.hit ? Seen::Hit : Seen::Miss;
        board.hitOrder[shot.cell] = order;
        if (shot.hit && shot.sunk)
            board.sinkings.emplace_back(shot.cell, order);
    }
    for (int cell = 1; cell <= kCells; ++cell) {
        if (fired.isSet(cell) && board.cells[cell] == Seen::Unknown)
            board.cells[cell] = Seen::Miss;
    }
    return board;
}

bool fitsColumn(int top, int length)
{
    return ShipKinds::isCell(top) && (top - 1) / kRow + length <= kRows;
}

// Every reading in which each sinking hit completes a ship not sunk before, over hits
// made up to that moment and not already part of another wreck.
void readSinkings(const SeenBoard &board, std::size_t next, const Reading &reading,
                  std::vector<Reading> &readings)
{
    if (readings.size() >= kMaxReadings)
        return;
    if (next == board.sinkings.size()) {
        readings.push_back(reading);
        return;
    }
    const auto [sinkCell, sinkOrder] = board.sinkings[next];
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship) {
        if (reading.sunk[std::size_t(ship)])
            continue;
        const int length = ShipKinds::length(ship);
        for (int above = 0; above < length; ++above) {
            const int top = sinkCell - above * kRow;
            if (!fitsColumn(top, length))
                continue;
            Reading wrecked = reading;
            bool fits = true;
            for (int i = 0, cell = top; i < length && fits; ++i, cell += kRow) {
                fits = board.cells[cell] == Seen::Hit && board.hitOrder[cell] <= sinkOrder
                    && !reading.wrecks[cell];
                wrecked.wrecks.set(cell);
            }
            if (!fits)
                continue;
            wrecked.sunk[std::size_t(ship)] = true;
            readSinkings(board, next + 1, wrecked, readings);
        }
    }
}

struct Density
{
    std::array<double, kCells + 1> weight{};
    double total = 0;
    bool explainsEveryHit = true;
};

// Placements of the ships afloat in one reading: none covers a miss or a wreck, and
// each keeps a cell not yet fired at (else it would have sunk).
Density densityFor(const SeenBoard &board, const Reading &reading)
{
    Density density;
    CellSet explained;
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship) {
        if (reading.sunk[std::size_t(ship)])
            continue;
        const int length = ShipKinds::length(ship);
        for (int top = 1; top <= kCells; ++top) {
            if (!fitsColumn(top, length))
                continue;
            int hits = 0;
            int unknown = 0;
            bool open = true;
            for (int i = 0, cell = top; i < length && open; ++i, cell += kRow) {
                const Seen seen = board.cells[cell];
                open = seen != Seen::Miss && !reading.wrecks[cell];
                hits += seen == Seen::Hit ? 1 : 0;
                unknown += seen == Seen::Unknown ? 1 : 0;
            }
            if (!open || unknown == 0)
                continue;
            const double weight = std::pow(kHitWeight, hits);
            for (int i = 0, cell = top; i < length; ++i, cell += kRow) {
                if (board.cells[cell] == Seen::Unknown)
                    density.weight[cell] += weight;
                else
                    explained.set(cell);
            }
            density.total += weight * unknown;
        }
    }
    for (int cell = 1; cell <= kCells; ++cell) {
        if (board.cells[cell] == Seen::Hit && !reading.wrecks[cell] && !explained[cell])
            density.explainsEveryHit = false;
    }
    return density;
}

// Sums the readings that explain every hit seen, each counting alike; when none does
// (a sight the rules cannot produce), all of them.
std::array<double, kCells + 1> likelihood(const SeenBoard &board)
{
    std::vector<Reading> readings;
    readSinkings(board, 0, Reading{}, readings);
    if (readings.empty())
        readings.push_back(Reading{});
    std::vector<Density> densities;
    densities.reserve(readings.size());
    bool anyExplains = false;
    for (const Reading &reading : readings) {
        densities.push_back(densityFor(board, reading));
        anyExplains = anyExplains || densities.back().explainsEveryHit;
    }
    std::array<double, kCells + 1> sum{};
    for (const Density &density : densities) {
        if ((anyExplains && !density.explainsEveryHit) || density.total <= 0)
            continue;
        for (int cell = 1; cell <= kCells; ++cell)
            sum[std::size_t(cell)] += density.weight[std::size_t(cell)] / density.total;
    }
    return sum;
}

} // namespace

qint16 admiralChoice(const AdmiralSight &sight, const ShotRecord &fired, RandomSource &random)
{
    const SeenBoard board = lookAt(sight, fired);
    const std::array<double, kCells + 1> weight = likelihood(board);
    double best = 0;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (board.cells[cell] == Seen::Unknown)
            best = std::max(best, weight[std::size_t(cell)]);
    }
    // With nothing left to weigh, every cell not fired at is a candidate.
    std::vector<qint16> likeliest;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (board.cells[cell] == Seen::Unknown
            && weight[std::size_t(cell)] >= best * (1.0 - kTieTolerance))
            likeliest.push_back(qint16(cell));
    }
    if (likeliest.empty())
        return 0;
    const auto pick = std::size_t(random.next() * double(likeliest.size()));
    return likeliest[std::min(pick, likeliest.size() - 1)];
}
