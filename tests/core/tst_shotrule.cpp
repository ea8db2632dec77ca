// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellPicturePrinting.h"
#include "board/ShotRecord.h"
#include "battle/ShotRule.h"
#include "board/BoardModel.h"
#include "board/BoardProcedures.h"
#include "board/Fleet.h"

#include <QTest>

class ShotRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aMissPaintsMissAndCountsNothing();
    void aHitCountsOnTheShipCovering();
    void theLastCellSinksTheShip();
    void aRepeatedHitCountsNoSecondHit();
    void aRepeatedMissIsShownAgain();
    void onlyTheFirstOfOverlappingShipsIsCounted();
    void cellsOffTheBoardAreNoShot_data();
    void cellsOffTheBoardAreNoShot();
    void cueForEachResult();
    void fleetIsDestroyedOnlyWhenAllFiveSink();
    void shipNumberAtFindsTheFirstShip();
    void shotRecordIgnoresCellsOffTheBoard();

private:
    Fleet mFleet;
    BoardModel mBoard;
    ShotRecord mShots;
};

void ShotRuleTest::init()
{
    mFleet = Fleet();
    mBoard = BoardModel();
    mShots.clear();
    mFleet[2].CreateShip(12, 2, &mBoard, false); // cruiser: 12, 22, 32
}

void ShotRuleTest::aMissPaintsMissAndCountsNothing()
{
    const ShotResult result = resolveShot(13, mFleet, mBoard, mShots);
    QVERIFY(!result.hit);
    QVERIFY(!result.repeat);
    QCOMPARE(result.shipNumber, 0);
    QCOMPARE(mBoard.cell(13), CellPicture::miss());
    QVERIFY(mShots.isSet(13));
    QCOMPARE(mShots.count(), 1);
    QCOMPARE(mFleet[2].hitCount(), qint16(0));
}

void ShotRuleTest::aHitCountsOnTheShipCovering()
{
    const ShotResult result = resolveShot(22, mFleet, mBoard, mShots);
    QVERIFY(result.hit);
    QVERIFY(!result.sunk);
    QCOMPARE(result.shipNumber, 2);
    QCOMPARE(mBoard.cell(22), CellPicture::hit());
    QCOMPARE(mFleet[2].hitCount(), qint16(1));
}

void ShotRuleTest::theLastCellSinksTheShip()
{
    QVERIFY(!resolveShot(32, mFleet, mBoard, mShots).sunk);
    QVERIFY(!resolveShot(12, mFleet, mBoard, mShots).sunk);
    const ShotResult last = resolveShot(22, mFleet, mBoard, mShots);
    QVERIFY(last.sunk);
    QVERIFY(mFleet[2].IsDestroyed());
}

void ShotRuleTest::aRepeatedHitCountsNoSecondHit()
{
    resolveShot(12, mFleet, mBoard, mShots);
    mBoard.setCell(12, CellPicture::water()); // a repaint in between
    const ShotResult again = resolveShot(12, mFleet, mBoard, mShots);
    QVERIFY(again.hit);
    QVERIFY(again.repeat);
    QCOMPARE(again.shipNumber, 2);
    QCOMPARE(mBoard.cell(12), CellPicture::hit());
    QCOMPARE(mFleet[2].hitCount(), qint16(1));

    // Three shots at two cells do not sink a three-cell ship ...
    resolveShot(22, mFleet, mBoard, mShots);
    QVERIFY(!mFleet[2].IsDestroyed());
    // ... and a repeat after the sinking cannot push it past its length.
    QVERIFY(resolveShot(32, mFleet, mBoard, mShots).sunk);
    const ShotResult afterSinking = resolveShot(32, mFleet, mBoard, mShots);
    QVERIFY(afterSinking.sunk);
    QCOMPARE(mFleet[2].hitCount(), qint16(3));
    QVERIFY(mFleet[2].IsDestroyed());
}

void ShotRuleTest::aRepeatedMissIsShownAgain()
{
    resolveShot(50, mFleet, mBoard, mShots);
    mBoard.setCell(50, CellPicture::water());
    const ShotResult again = resolveShot(50, mFleet, mBoard, mShots);
    QVERIFY(again.repeat);
    QVERIFY(!again.hit);
    QCOMPARE(mBoard.cell(50), CellPicture::miss());
    QCOMPARE(mShots.count(), 1);
}

void ShotRuleTest::onlyTheFirstOfOverlappingShipsIsCounted()
{
    // A fleet received from the other program is not checked for overlap.
    mFleet[4].CreateShip(2, 4, &mBoard, false); // 2..42, crossing the cruiser at 12..32
    const ShotResult result = resolveShot(22, mFleet, mBoard, mShots);
    QCOMPARE(result.shipNumber, 2);
    QCOMPARE(mFleet[2].hitCount(), qint16(1));
    QCOMPARE(mFleet[4].hitCount(), qint16(0));
}

void ShotRuleTest::cellsOffTheBoardAreNoShot_data()
{
    QTest::addColumn<int>("cell");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("101") << 101;
    QTest::newRow("32767") << 32767;
    QTest::newRow("-32768") << -32768;
}

void ShotRuleTest::cellsOffTheBoardAreNoShot()
{
    QFETCH(int, cell);
    // An empty ship sits at "cell 0"; a shot there must not count on it.
    int notices = 0;
    mBoard.setChangeListener([&](int) { ++notices; });
    const ShotResult result = resolveShot(qint16(cell), mFleet, mBoard, mShots);
    QVERIFY(!result.hit);
    QCOMPARE(result.shipNumber, 0);
    QCOMPARE(notices, 0);
    QCOMPARE(mShots.count(), 0);
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(mFleet[slot].hitCount(), qint16(0));
}

void ShotRuleTest::cueForEachResult()
{
    QCOMPARE(cueFor(resolveShot(1, mFleet, mBoard, mShots)), Cue::Miss);
    QCOMPARE(cueFor(resolveShot(12, mFleet, mBoard, mShots)), Cue::Hit);
    QCOMPARE(cueFor(resolveShot(22, mFleet, mBoard, mShots)), Cue::Hit);
    QCOMPARE(cueFor(resolveShot(32, mFleet, mBoard, mShots)), Cue::Sunk);
}

void ShotRuleTest::fleetIsDestroyedOnlyWhenAllFiveSink()
{
    Fleet fleet;
    QVERIFY(!IsFleetDestroyed(fleet));
    for (int slot = 1; slot <= 5; ++slot)
        fleet[slot].CreateShip(qint16(slot), slot, nullptr, false);
    for (int slot = 1; slot <= 5; ++slot) {
        QVERIFY(!IsFleetDestroyed(fleet));
        for (int hit = 0; hit <= slot; ++hit)
            fleet[slot].IncrementHitCount();
    }
    QVERIFY(IsFleetDestroyed(fleet));
    fleet[3].IncrementHitCount(); // past its length: no longer counted as destroyed
    QVERIFY(!IsFleetDestroyed(fleet));
}

void ShotRuleTest::shipNumberAtFindsTheFirstShip()
{
    mFleet[1].CreateShip(81, 1, &mBoard, false);
    QCOMPARE(ShipNumberAt(91, mFleet), 1);
    QCOMPARE(ShipNumberAt(32, mFleet), 2);
    QCOMPARE(ShipNumberAt(42, mFleet), 0);
    QCOMPARE(ShipNumberAt(0, mFleet), 0);
}

void ShotRuleTest::shotRecordIgnoresCellsOffTheBoard()
{
    ShotRecord shots;
    shots.set(0);
    shots.set(101);
    shots.set(-7);
    QCOMPARE(shots.count(), 0);
    QVERIFY(!shots.isSet(0));
    shots.set(1);
    shots.set(100);
    QVERIFY(shots.isSet(1) && shots.isSet(100) && !shots.isSet(2));
    QCOMPARE(shots.count(), 2);
    shots.clear();
    QCOMPARE(shots.count(), 0);
}

QTEST_GUILESS_MAIN(ShotRuleTest)
#include "tst_shotrule.moc"
