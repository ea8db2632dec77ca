// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellPicturePrinting.h"
#include "ScriptedRandom.h"
#include "battle/AdmiralLevel.h"
#include "battle/ComputerOpponent.h"
#include "board/FleetPlacement.h"
#include "board/ShotRecord.h"
#include "battle/ShotRule.h"
#include "board/BoardModel.h"
#include "board/BoardProcedures.h"
#include "board/Fleet.h"

#include <QTest>

namespace {

enum Level : qint32 { Easy = 1, Moderate = 2, Hard = 3, Impossible = 4, Admiral = 5 };

// One ship in each of the odd columns of the top rows: 20 cells in all.
void placeFixedFleet(Fleet &fleet, BoardModel &board)
{
    for (int number = 1; number <= 5; ++number)
        fleet[number].CreateShip(qint16(2 * number - 1), number, &board, false);
}

} // namespace

class ComputerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void easyRepeatShowsTheHitAgainButCountsItOnce();
    void easyMayFireAtAMissAgain();
    void easyPlaysAWholeGameWithHonestHitCounts();
    void levelsThatNeverFireTwice_data();
    void levelsThatNeverFireTwice();
    void impossibleWinsWithItsTwentiethShot();
    void moderatePassesOverCellsFiredAt();
    void impossibleDrawsOnlyShipCellsNotFiredAt();
    void unknownDifficultyFiresNothing_data();
    void unknownDifficultyFiresNothing();
    void aFullRecordLeavesNothingToFireAt_data();
    void aFullRecordLeavesNothingToFireAt();
    void startHardLevelSearchesWalkingUp();

private:
    ComputerTarget target() { return {mFleet, mBoard, mShots, &mSight}; }

    Fleet mFleet;
    BoardModel mBoard;
    ShotRecord mShots;
    AdmiralSight mSight;
    HardLevelFields mHard;
};

void ComputerTest::init()
{
    mFleet = Fleet();
    mBoard = BoardModel();
    mShots.clear();
    mSight.clear();
    mHard = HardLevelFields();
    startHardLevel(mHard);
    placeFixedFleet(mFleet, mBoard);
}

void ComputerTest::easyRepeatShowsTheHitAgainButCountsItOnce()
{
    ScriptedRandom random;
    random.appendCells({13, 13});
    QCOMPARE(computerReply(Easy, target(), mHard, random), qint16(13));
    mBoard.setCell(13, CellPicture::water());
    QCOMPARE(computerReply(Easy, target(), mHard, random), qint16(13));
    QCOMPARE(mBoard.cell(13), CellPicture::hit());
    QCOMPARE(mFleet[2].hitCount(), qint16(1));
    QCOMPARE(mShots.count(), 1);
}

void ComputerTest::easyMayFireAtAMissAgain()
{
    ScriptedRandom random;
    random.appendCells({50, 50});
    QCOMPARE(computerReply(Easy, target(), mHard, random), qint16(50));
    QCOMPARE(computerReply(Easy, target(), mHard, random), qint16(50));
    QCOMPARE(mBoard.cell(50), CellPicture::miss());
    QCOMPARE(mShots.count(), 1);
}

void ComputerTest::easyPlaysAWholeGameWithHonestHitCounts()
{
    ClockSeededRandom random;
    int repeats = 0;
    int shots = 0;
    while (!IsFleetDestroyed(mFleet)) {
        QVERIFY2(++shots < 100000, "Easy never sank the fleet");
        const int before = mShots.count();
        QVERIFY(computerReply(Easy, target(), mHard, random) != 0);
        repeats += mShots.count() == before ? 1 : 0;
        for (int number = 1; number <= 5; ++number)
            QVERIFY(mFleet[number].hitCount() <= number + 1);
    }
    QVERIFY(shots >= 20);
    for (int number = 1; number <= 5; ++number)
        QCOMPARE(mFleet[number].hitCount(), qint16(number + 1));
    for (int k = 1; k <= 100; ++k) {
        if (IsShipAt(qint16(k), mFleet))
            QVERIFY(mShots.isSet(k));
    }
    QCOMPARE(shots - repeats, mShots.count());
}

void ComputerTest::levelsThatNeverFireTwice_data()
{
    QTest::addColumn<qint32>("level");
    QTest::newRow("Moderate") << qint32(Moderate);
    QTest::newRow("Hard") << qint32(Hard);
    QTest::newRow("Impossible") << qint32(Impossible);
    QTest::newRow("Admiral") << qint32(Admiral);
}

void ComputerTest::levelsThatNeverFireTwice()
{
    QFETCH(qint32, level);
    ClockSeededRandom random;
    HardLevelFields hard; // survives from game to game, as on the window
    for (int game = 0; game < 300; ++game) {
        Fleet fleet;
        BoardModel board;
        ShotRecord shots;
        AdmiralSight sight;
        placeComputerFleet(fleet, board, false, random);
        startHardLevel(hard);
        int fired = 0;
        while (!IsFleetDestroyed(fleet)) {
            random.reseedFromClock();
            const qint16 cell = computerReply(level, {fleet, board, shots, &sight}, hard, random);
            QVERIFY2(cell >= 1 && cell <= 100, qPrintable(QString::number(cell)));
            QVERIFY2(shots.count() == ++fired, qPrintable(QStringLiteral("repeat at %1").arg(cell)));
        }
        QVERIFY(fired <= 100);
        if (level == Impossible)
            QCOMPARE(fired, 20);
    }
}

void ComputerTest::impossibleWinsWithItsTwentiethShot()
{
    ScriptedRandom random; // its fixed-seed stream once the script is empty
    for (int shot = 1; shot <= 20; ++shot) {
        QVERIFY(!IsFleetDestroyed(mFleet));
        const qint16 cell = computerReply(Impossible, target(), mHard, random);
        QVERIFY(IsShipAt(cell, mFleet));
        QCOMPARE(mBoard.cell(cell), CellPicture::hit());
    }
    QVERIFY(IsFleetDestroyed(mFleet));
    QCOMPARE(mShots.count(), 20);
}

void ComputerTest::moderatePassesOverCellsFiredAt()
{
    mShots.set(10);
    mShots.set(50);
    ScriptedRandom random;
    random.appendCells({10, 50, 10, 11});
    QCOMPARE(computerReply(Moderate, target(), mHard, random), qint16(11));
    QCOMPARE(random.draws(), 4);
    QCOMPARE(random.reseeds(), 0);
}

void ComputerTest::impossibleDrawsOnlyShipCellsNotFiredAt()
{
    resolveShot(1, mFleet, mBoard, mShots);
    ScriptedRandom random;
    random.appendCells({50, 1, 2, 11});
    QCOMPARE(computerReply(Impossible, target(), mHard, random), qint16(11));
    QCOMPARE(mFleet[1].hitCount(), qint16(2));
    QVERIFY(mFleet[1].IsDestroyed());
}

void ComputerTest::unknownDifficultyFiresNothing_data()
{
    QTest::addColumn<qint32>("level");
    QTest::newRow("0") << qint32(0);
    QTest::newRow("6") << qint32(6);
    QTest::newRow("-1") << qint32(-1);
}

void ComputerTest::unknownDifficultyFiresNothing()
{
    QFETCH(qint32, level);
    ScriptedRandom random;
    QCOMPARE(computerReply(level, target(), mHard, random), qint16(0));
    QCOMPARE(mShots.count(), 0);
    QCOMPARE(random.draws(), 0);
}

void ComputerTest::aFullRecordLeavesNothingToFireAt_data()
{
    QTest::addColumn<qint32>("level");
    QTest::addColumn<bool>("shipCellsOnly");
    QTest::newRow("Moderate, all fired") << qint32(Moderate) << false;
    QTest::newRow("Hard search, all fired") << qint32(Hard) << false;
    QTest::newRow("Impossible, ship cells fired") << qint32(Impossible) << true;
    QTest::newRow("Admiral, all fired") << qint32(Admiral) << false;
}

void ComputerTest::aFullRecordLeavesNothingToFireAt()
{
    QFETCH(qint32, level);
    QFETCH(bool, shipCellsOnly);
    for (int k = 1; k <= 100; ++k) {
        if (!shipCellsOnly || IsShipAt(qint16(k), mFleet))
            mShots.set(k);
    }
    const int fired = mShots.count();
    int notices = 0;
    mBoard.setChangeListener([&](int) { ++notices; });
    ClockSeededRandom random;
    QCOMPARE(computerReply(level, target(), mHard, random), qint16(0));
    QCOMPARE(mShots.count(), fired);
    QCOMPARE(notices, 0);
    QVERIFY(mHard.mRandomSearch);
}

void ComputerTest::startHardLevelSearchesWalkingUp()
{
    HardLevelFields hard{false, false, 57, true};
    startHardLevel(hard);
    QVERIFY(hard.mRandomSearch);
    QVERIFY(hard.mWalkUp);
    QCOMPARE(hard.mTrackCell, qint16(57)); // left from the last game
    QVERIFY(hard.mLastShotHit);
}

QTEST_GUILESS_MAIN(ComputerTest)
#include "tst_computer.moc"
