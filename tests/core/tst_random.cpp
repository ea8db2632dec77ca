// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedRandom.h"
#include "board/FleetPlacement.h"
#include "board/RandomSource.h"
#include "battle/ShotRule.h"
#include "board/BoardModel.h"
#include "board/BoardProcedures.h"
#include "board/Fleet.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

class RandomTest : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void randomCellRounding_data();
    void randomCellRounding();
    void everyCellCanBeDrawn();
    void randomStartCellRounding_data();
    void randomStartCellRounding();
    void clockSeededNumbersAreInRange();
    void reseedingChangesTheSequence();
    void drawUntilTakesTheFirstEligibleDraw();
    void drawUntilCannotHang();
    void placedFleetsAreValid();
    void placementDrawsAgainUntilAShipFits();
    void placementPaintsOnlyWhenAsked();
    void placementStartsFromAnEmptyFleet();
};

void RandomTest::roundsHalfToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("45.5") << 45.5 << 46;
    QTest::newRow("50.5") << 50.5 << 50;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("7") << 7.0 << 7;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("NaN") << std::nan("") << 0;
    QTest::newRow("huge") << 1e300 << std::numeric_limits<int>::max();
    QTest::newRow("-huge") << -1e300 << std::numeric_limits<int>::min();
}

void RandomTest::roundsHalfToEven()
{
    QFETCH(double, x);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfToEven(x), rounded);
}

void RandomTest::randomCellRounding_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("cell");
    QTest::newRow("0 gives 1") << 0.0 << 1;
    QTest::newRow("0.5 gives 50.5, half to even 50") << 0.5 << 50;
    QTest::newRow("just under 1 gives 100") << std::nextafter(1.0, 0.0) << 100;
    QTest::newRow("just under 0.5/99 stays 1") << 0.5 / 99 - 1e-9 << 1;
    QTest::newRow("just over 0.5/99 gives 2") << 0.5 / 99 + 1e-9 << 2;
}

void RandomTest::randomCellRounding()
{
    QFETCH(double, r);
    QFETCH(int, cell);
    ScriptedRandom random({r});
    QCOMPARE(randomCell(random), cell);
}

void RandomTest::everyCellCanBeDrawn()
{
    for (int cell = 1; cell <= 100; ++cell) {
        ScriptedRandom random({ScriptedRandom::forCell(cell)});
        QCOMPARE(randomCell(random), cell);
    }
}

void RandomTest::randomStartCellRounding_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("cell");
    QTest::newRow("0 gives 1") << 0.0 << 1;
    QTest::newRow("0.5 gives 45.5, half to even 46") << 0.5 << 46;
    QTest::newRow("just under 1 gives 90") << std::nextafter(1.0, 0.0) << 90;
    QTest::newRow("0.25 gives 23.25") << 0.25 << 23;
}

void RandomTest::randomStartCellRounding()
{
    QFETCH(double, r);
    QFETCH(int, cell);
    ScriptedRandom random({r});
    QCOMPARE(randomStartCell(random), cell);
}

void RandomTest::clockSeededNumbersAreInRange()
{
    ClockSeededRandom random;
    QSet<int> cells;
    for (int i = 0; i < 20000; ++i) {
        const double r = random.next();
        QVERIFY(r >= 0.0 && r < 1.0);
        cells.insert(randomCell(random));
    }
    QCOMPARE(cells.size(), 100);
    QVERIFY(!cells.contains(0) && !cells.contains(101));
}

void RandomTest::reseedingChangesTheSequence()
{
    // Reseeds in quick succession, as the benchmark and Hard's search make them,
    // must not replay one sequence.
    ClockSeededRandom random;
    QSet<double> firstNumbers;
    for (int i = 0; i < 100; ++i) {
        random.reseedFromClock();
        firstNumbers.insert(random.next());
    }
    QCOMPARE(firstNumbers.size(), 100);
}

void RandomTest::drawUntilTakesTheFirstEligibleDraw()
{
    ScriptedRandom random;
    random.appendCells({4, 6, 9, 12});
    const int cell = drawUntil(random, randomCell, [](int c) { return c % 3 == 0; }, 1, 100);
    QCOMPARE(cell, 6);
    QCOMPARE(random.draws(), 2);
}

void RandomTest::drawUntilCannotHang()
{
    ScriptedRandom stuck;
    for (int i = 0; i < kMaxDraws; ++i)
        stuck.append(ScriptedRandom::forCell(5));
    QCOMPARE(drawUntil(stuck, randomCell, [](int c) { return c > 70; }, 1, 100), 71);

    ClockSeededRandom random;
    QCOMPARE(drawUntil(random, randomCell, [](int) { return false; }, 1, 100), 0);
}

void RandomTest::placedFleetsAreValid()
{
    ClockSeededRandom random;
    QSet<int> startsSeen;
    for (int round = 0; round < 3000; ++round) {
        Fleet fleet;
        BoardModel board;
        placeComputerFleet(fleet, board, false, random);
        QSet<int> covered;
        for (int number = 1; number <= 5; ++number) {
            const clsShip &ship = fleet[number];
            QCOMPARE(ship.DrawShipType(), number);
            QCOMPARE(ship.MapControl(), &board);
            QCOMPARE(ship.hitCount(), qint16(0));
            QVERIFY(ship.ShipIndex() >= 1);
            QVERIFY(ship.ShipIndex() + 10 * number <= 100);
            startsSeen.insert(ship.ShipIndex());
            for (int k = 1; k <= 100; ++k) {
                if (ship.cShipIsHit(qint16(k)))
                    covered.insert(k);
            }
        }
        QCOMPARE(covered.size(), 20); // 2 + 3 + 4 + 5 + 6 cells, none shared
    }
    QVERIFY(startsSeen.contains(1));
    // Only the destroyer can start at 90, at half the weight of other cells: over
    // 3000 fleets missing it has a chance of about e^-17.
    QVERIFY(startsSeen.contains(90));
}

void RandomTest::placementDrawsAgainUntilAShipFits()
{
    ScriptedRandom random;
    random.append(0.5);                              // destroyer: 45.5 -> 46
    random.append(ScriptedRandom::forStartCell(36)); // cruiser 36..56 crosses 46
    random.append(ScriptedRandom::forStartCell(85)); // cruiser past its bound
    random.append(ScriptedRandom::forStartCell(26)); // cruiser 26..46 ends on 46
    random.append(ScriptedRandom::forStartCell(47)); // fits beside it
    random.append(ScriptedRandom::forStartCell(1));
    random.append(ScriptedRandom::forStartCell(2));
    random.append(ScriptedRandom::forStartCell(3));
    Fleet fleet;
    BoardModel board;
    placeComputerFleet(fleet, board, false, random);
    QCOMPARE(fleet[1].ShipIndex(), qint16(46));
    QCOMPARE(fleet[2].ShipIndex(), qint16(47));
    QCOMPARE(fleet[3].ShipIndex(), qint16(1));
    QCOMPARE(fleet[4].ShipIndex(), qint16(2));
    QCOMPARE(fleet[5].ShipIndex(), qint16(3));
    QCOMPARE(random.reseeds(), 1);
    QCOMPARE(random.scriptLeft(), 0);
}

void RandomTest::placementPaintsOnlyWhenAsked()
{
    ClockSeededRandom random;
    for (const bool draw : {false, true}) {
        Fleet fleet;
        BoardModel board;
        placeComputerFleet(fleet, board, draw, random);
        int segments = 0;
        for (int k = 1; k <= 100; ++k) {
            const CellPicture picture = board.cell(k);
            if (picture.kind == CellPicture::Kind::ShipSegment) {
                ++segments;
                QCOMPARE(int(picture.ship), ShipNumberAt(qint16(k), fleet));
            }
        }
        QCOMPARE(segments, draw ? 20 : 0);
    }
}

void RandomTest::placementStartsFromAnEmptyFleet()
{
    ClockSeededRandom random;
    Fleet fleet;
    BoardModel board;
    placeComputerFleet(fleet, board, false, random);
    fleet[2].IncrementHitCount();
    placeComputerFleet(fleet, board, false, random);
    QCOMPARE(fleet[2].hitCount(), qint16(0));
    QVERIFY(fleet.isComplete());
}

QTEST_GUILESS_MAIN(RandomTest)
#include "tst_random.moc"
