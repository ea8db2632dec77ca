// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellPicturePrinting.h"
#include "ScriptedRandom.h"
#include "battle/ComputerOpponent.h"
#include "board/ShotRecord.h"
#include "battle/ShotRule.h"
#include "board/BoardModel.h"
#include "board/Fleet.h"

#include <QTest>

namespace {

constexpr qint32 kHard = 3;

struct ShipAt
{
    int number;
    int start;
};

} // namespace

// The Hard level searches at random, then walks along the column of a hit.
class HardWalkTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aSearchMissKeepsSearching();
    void aSearchHitWalksUpThenDownAfterAMiss();
    void aHitInTheTopRowWalksDown();
    void aWalkPassesOverCellsFiredAtBefore();
    void aWalkUpOffTheBoardWalksDownTheSameTurn();
    void aWalkDownOffTheBoardSearchesTheSameTurn_data();
    void aWalkDownOffTheBoardSearchesTheSameTurn();
    void aMissWhileWalkingKeepsTheDirectionFlag();

private:
    void place(std::initializer_list<ShipAt> ships);
    // Fires Hard replies and returns their cells; the script holds the search draws.
    QList<int> replies(int count);

    Fleet mFleet;
    BoardModel mBoard;
    ShotRecord mShots;
    HardLevelFields mHard;
    ScriptedRandom mRandom;
};

void HardWalkTest::init()
{
    mFleet = Fleet();
    mBoard = BoardModel();
    mShots.clear();
    mHard = HardLevelFields();
    startHardLevel(mHard);
    mRandom = ScriptedRandom();
}

void HardWalkTest::place(std::initializer_list<ShipAt> ships)
{
    for (const ShipAt &ship : ships)
        mFleet[ship.number].CreateShip(qint16(ship.start), ship.number, &mBoard, false);
}

QList<int> HardWalkTest::replies(int count)
{
    QList<int> cells;
    for (int i = 0; i < count; ++i)
        cells.append(computerReply(kHard, {mFleet, mBoard, mShots}, mHard, mRandom));
    return cells;
}

void HardWalkTest::aSearchMissKeepsSearching()
{
    place({{5, 1}});
    mRandom.appendCells({77});
    QCOMPARE(replies(1), QList<int>{77});
    QVERIFY(mHard.mRandomSearch);
    QVERIFY(!mHard.mLastShotHit);
    QCOMPARE(mHard.mTrackCell, qint16(77));
    QCOMPARE(mRandom.reseeds(), 1); // a search shot reseeds first
}

void HardWalkTest::aSearchHitWalksUpThenDownAfterAMiss()
{
    place({{5, 31}}); // battleship 31..81
    mRandom.appendCells({51});
    // Up 41, 31, miss at 21; then down from 21 over 31..51 to 61, 71, 81.
    QCOMPARE(replies(7), (QList<int>{51, 41, 31, 21, 61, 71, 81}));
    QCOMPARE(mRandom.reseeds(), 1);
    QVERIFY(mFleet[5].IsDestroyed());
    QVERIFY(mHard.mRandomSearch); // the sinking sends it back to searching
    QVERIFY(!mHard.mWalkUp);
    QCOMPARE(mBoard.cell(21), CellPicture::miss());

    mRandom.appendCells({99});
    QCOMPARE(replies(1), QList<int>{99});
    QCOMPARE(mRandom.reseeds(), 2);
}

void HardWalkTest::aHitInTheTopRowWalksDown()
{
    place({{2, 4}}); // cruiser 4, 14, 24
    mRandom.appendCells({4});
    QCOMPARE(replies(3), (QList<int>{4, 14, 24}));
    QVERIFY(mFleet[2].IsDestroyed());
    QVERIFY(mHard.mRandomSearch);
}

void HardWalkTest::aWalkPassesOverCellsFiredAtBefore()
{
    place({{5, 41}}); // battleship 41..91
    resolveShot(31, mFleet, mBoard, mShots); // an earlier miss just above the ship
    resolveShot(71, mFleet, mBoard, mShots); // and an earlier hit inside it
    mRandom.appendCells({51});
    // Up: 41, then over the miss at 31 to 21 (a miss). Down: over 31..51 to 61,
    // then over the hit at 71 to 81 and 91.
    QCOMPARE(replies(6), (QList<int>{51, 41, 21, 61, 81, 91}));
    QVERIFY(mFleet[5].IsDestroyed());
    QCOMPARE(mFleet[5].hitCount(), qint16(6));
    QVERIFY(mHard.mRandomSearch);
}

void HardWalkTest::aWalkUpOffTheBoardWalksDownTheSameTurn()
{
    place({{2, 11}}); // cruiser 11, 21, 31
    resolveShot(1, mFleet, mBoard, mShots); // the top of the column is taken
    mRandom.appendCells({21});
    // After 11 the walk would go up past 1 and leave the board: it walks down
    // from 11 instead, over 21, and fires at 31 in that same turn.
    QCOMPARE(replies(2), (QList<int>{21, 11}));
    QVERIFY(mHard.mWalkUp && mHard.mLastShotHit && mHard.mTrackCell == 11);
    QCOMPARE(replies(1), QList<int>{31});
    QVERIFY(mFleet[2].IsDestroyed());
    QCOMPARE(mShots.count(), 4);
}

void HardWalkTest::aWalkDownOffTheBoardSearchesTheSameTurn_data()
{
    QTest::addColumn<int>("trackCell");
    QTest::addColumn<bool>("lastShotHit");
    QTest::addColumn<QList<int>>("firedBefore");
    QTest::newRow("from the bottom row") << 95 << false << QList<int>{95};
    QTest::newRow("cells below all fired") << 75 << true << QList<int>{75, 85, 95};
    QTest::newRow("top row, column fired") << 5 << true
        << QList<int>{5, 15, 25, 35, 45, 55, 65, 75, 85, 95};
}

void HardWalkTest::aWalkDownOffTheBoardSearchesTheSameTurn()
{
    QFETCH(int, trackCell);
    QFETCH(bool, lastShotHit);
    QFETCH(QList<int>, firedBefore);
    // The state reached when a walk runs down to the board's edge without sinking
    // anything, e.g. after the ship it followed was hit by earlier shots.
    place({{3, 2}}); // missile launcher 2..32
    for (int cell : firedBefore)
        mShots.set(cell);
    mHard = HardLevelFields{false, false, qint16(trackCell), lastShotHit};
    mRandom.appendCells({firedBefore.first(), 12});
    QCOMPARE(replies(1), QList<int>{12});
    QCOMPARE(mRandom.reseeds(), 1);
    QCOMPARE(mHard.mTrackCell, qint16(12));
    QVERIFY(mHard.mLastShotHit);
    QVERIFY(mHard.mWalkUp);
    QVERIFY(!mHard.mRandomSearch);
    QCOMPARE(mShots.count(), firedBefore.size() + 1);
}

void HardWalkTest::aMissWhileWalkingKeepsTheDirectionFlag()
{
    place({{1, 52}}); // destroyer 52, 62
    mRandom.appendCells({62});
    QCOMPARE(replies(2), (QList<int>{62, 52}));
    QVERIFY(mHard.mRandomSearch); // sunk at 52 on the way up

    mShots.clear();
    mFleet[1].DeleteShip();
    place({{1, 62}}); // destroyer 62, 72
    startHardLevel(mHard);
    mRandom.appendCells({62});
    QCOMPARE(replies(2), (QList<int>{62, 52}));
    // The miss at 52 leaves mWalkUp and mRandomSearch as they were.
    QVERIFY(mHard.mWalkUp);
    QVERIFY(!mHard.mRandomSearch);
    QVERIFY(!mHard.mLastShotHit);
    QCOMPARE(replies(1), QList<int>{72});
    QVERIFY(mFleet[1].IsDestroyed());
}

QTEST_GUILESS_MAIN(HardWalkTest)
#include "tst_hardwalk.moc"
