// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedRandom.h"
#include "battle/AdmiralLevel.h"
#include "battle/ComputerOpponent.h"
#include "board/ShotRecord.h"
#include "battle/ShotRule.h"
#include "board/BoardModel.h"
#include "board/Fleet.h"

#include <QTest>

namespace {

constexpr qint32 kAdmiral = 5;
using Starts = QList<int>; // start cells of ships 1..5

struct Side
{
    explicit Side(const Starts &starts)
    {
        for (int number = 1; number <= 5; ++number)
            fleet[number].CreateShip(qint16(starts[number - 1]), number, &board, false);
    }
    qint16 reply(HardLevelFields &hard, RandomSource &random)
    {
        return computerReply(kAdmiral, {fleet, board, shots, &sight}, hard, random);
    }
    Fleet fleet;
    BoardModel board;
    ShotRecord shots;
    AdmiralSight sight;
};

} // namespace

class AdmiralTest : public QObject
{
    Q_OBJECT

private slots:
    void fleetsThatAgreeOnEveryCellFiredAtGetTheSameShot_data();
    void fleetsThatAgreeOnEveryCellFiredAtGetTheSameShot();
    void followsUpAHitAlongItsColumn_data();
    void followsUpAHitAlongItsColumn();
};

void AdmiralTest::fleetsThatAgreeOnEveryCellFiredAtGetTheSameShot_data()
{
    QTest::addColumn<Starts>("first");
    QTest::addColumn<Starts>("second");
    QTest::addColumn<int>("agreeingShots"); // at least this many before they differ
    const Starts top = {1, 3, 5, 7, 9};
    QTest::newRow("same fleet") << top << top << 100;
    QTest::newRow("battleship elsewhere") << top << Starts{1, 3, 5, 7, 40} << 5;
    QTest::newRow("destroyer elsewhere") << Starts{81, 3, 5, 7, 9} << Starts{90, 3, 5, 7, 9}
                                         << 40;
    QTest::newRow("two ships swapped columns") << Starts{42, 33, 5, 7, 9}
                                               << Starts{41, 34, 5, 7, 9} << 3;
}

// Every shot the two sides see alike must be the same shot: the fleet itself never
// reaches the choice. The sides part at the first cell whose result differs.
void AdmiralTest::fleetsThatAgreeOnEveryCellFiredAtGetTheSameShot()
{
    QFETCH(Starts, first);
    QFETCH(Starts, second);
    QFETCH(int, agreeingShots);
    Side a(first), b(second);
    HardLevelFields hardA, hardB;
    ScriptedRandom randomA, randomB;
    int agreed = 0;
    while (!IsFleetDestroyed(a.fleet) && !IsFleetDestroyed(b.fleet)) {
        const qint16 cell = a.reply(hardA, randomA);
        QCOMPARE(b.reply(hardB, randomB), cell);
        const AdmiralSight::Shot seenA = a.sight.shots().back();
        const AdmiralSight::Shot seenB = b.sight.shots().back();
        if (seenA.hit != seenB.hit || seenA.sunk != seenB.sunk)
            break;
        ++agreed;
    }
    QVERIFY2(agreed >= std::min(agreeingShots, a.shots.count()), qPrintable(QString::number(agreed)));
    QCOMPARE(agreed < a.shots.count(), first != second); // differing fleets do part
}

void AdmiralTest::followsUpAHitAlongItsColumn_data()
{
    QTest::addColumn<QList<int>>("hits");
    QTest::addColumn<QList<int>>("misses");
    QTest::addColumn<QList<int>>("likeliest");
    QTest::newRow("a lone hit") << QList<int>{45} << QList<int>{} << QList<int>{35, 55};
    QTest::newRow("two hits") << QList<int>{45, 55} << QList<int>{} << QList<int>{35, 65};
    QTest::newRow("a miss above turns it down")
        << QList<int>{45} << QList<int>{35} << QList<int>{55};
    QTest::newRow("a hit on the bottom row goes up")
        << QList<int>{95} << QList<int>{} << QList<int>{85};
}

void AdmiralTest::followsUpAHitAlongItsColumn()
{
    QFETCH(QList<int>, hits);
    QFETCH(QList<int>, misses);
    QFETCH(QList<int>, likeliest);
    AdmiralSight sight;
    ShotRecord fired;
    for (int cell : misses)
        sight.record(qint16(cell), false, false);
    for (int cell : hits)
        sight.record(qint16(cell), true, false);
    for (const AdmiralSight::Shot &shot : sight.shots())
        fired.set(shot.cell);
    for (double r : {0.0, 0.5, 0.999}) {
        ScriptedRandom random({r});
        QVERIFY(likeliest.contains(admiralChoice(sight, fired, random)));
    }
}

QTEST_GUILESS_MAIN(AdmiralTest)
#include "tst_admiral.moc"
