// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellPicturePrinting.h"
#include "board/BoardModel.h"
#include "board/Fleet.h"
#include "board/ShipKinds.h"
#include "board/clsShip.h"

#include <QMap>
#include <QTest>

namespace {

using PaintedCells = QMap<int, CellPicture>;

// Every non-water cell of the board.
PaintedCells paintedCells(const BoardModel &board)
{
    PaintedCells painted;
    for (int k = 1; k <= ShipKinds::kBoardCells; ++k) {
        if (board.cell(k) != CellPicture::water())
            painted.insert(k, board.cell(k));
    }
    return painted;
}

} // namespace

class ShipTest : public QObject
{
    Q_OBJECT

private slots:
    void canDrawShipKeepsTheShipOnTheBoard_data();
    void canDrawShipKeepsTheShipOnTheBoard();
    void shipsMayNotOverlapButMayTouch_data();
    void shipsMayNotOverlapButMayTouch();
    void theAskingShipTakesPartInTheOverlapTest();
    void aNewShipIsEmpty();
    void createShipRecordsWithoutPaintingUnlessAsked();
    void createShipWithDrawFlagPaints();
    void destroyedExactlyAtItsLength_data();
    void destroyedExactlyAtItsLength();
    void deleteShipEmptiesIt();
    void drawShipNeverPaintsOffTheBoard_data();
    void drawShipNeverPaintsOffTheBoard();
    void drawShipWithoutBoardDoesNothing();
    void coverageIsComputedWithoutWrapping();
    void shipNames();
};

void ShipTest::canDrawShipKeepsTheShipOnTheBoard_data()
{
    QTest::addColumn<int>("shipNumber");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("fits");
    const int lastStart[] = {0, 90, 80, 70, 60, 50};
    for (int ship = 1; ship <= 5; ++ship) {
        const QByteArray name = ShipKinds::name(ship).toLatin1();
        QTest::addRow("%s at 1", name.constData()) << ship << 1 << true;
        QTest::addRow("%s at last start %d", name.constData(), lastStart[ship])
            << ship << lastStart[ship] << true;
        QTest::addRow("%s one past at %d", name.constData(), lastStart[ship] + 1)
            << ship << lastStart[ship] + 1 << false;
        QTest::addRow("%s at 100", name.constData()) << ship << 100 << false;
    }
    QTest::newRow("ship number 0") << 0 << 1 << false;
    QTest::newRow("ship number 6") << 6 << 1 << false;
    QTest::newRow("ship number -1") << -1 << 1 << false;
    QTest::newRow("start 0") << 1 << 0 << false;
    QTest::newRow("start -5") << 5 << -5 << false;
    QTest::newRow("start 32767") << 1 << 32767 << false;
}

void ShipTest::canDrawShipKeepsTheShipOnTheBoard()
{
    QFETCH(int, shipNumber);
    QFETCH(int, start);
    QFETCH(bool, fits);
    const Fleet empty;
    BoardModel board;
    QCOMPARE(clsShip().CanDrawShip(qint16(start), shipNumber, &board, empty), fits);
}

void ShipTest::shipsMayNotOverlapButMayTouch_data()
{
    QTest::addColumn<int>("shipNumber");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("fits");
    // The fleet holds only the Destroyer at 81, covering 81 and 91.
    QTest::newRow("cruiser at 61 reaches 81") << 2 << 61 << false;
    QTest::newRow("cruiser at 51 ends on 71 just above") << 2 << 51 << true;
    QTest::newRow("cruiser at 82 is past the bound") << 2 << 82 << false;
    QTest::newRow("cruiser at 72 beside it") << 2 << 72 << true;
    QTest::newRow("cruiser at 70 beside it") << 2 << 70 << true;
    QTest::newRow("battleship at 41 reaches 81 and 91") << 5 << 41 << false;
    QTest::newRow("battleship at 31 ends on 81") << 5 << 31 << false;
    QTest::newRow("battleship at 21 ends on 71") << 5 << 21 << true;
    QTest::newRow("destroyer at 71 reaches 81") << 1 << 71 << false;
    QTest::newRow("destroyer at 90 beside 91") << 1 << 90 << true;
}

void ShipTest::shipsMayNotOverlapButMayTouch()
{
    QFETCH(int, shipNumber);
    QFETCH(int, start);
    QFETCH(bool, fits);
    Fleet fleet;
    BoardModel board;
    fleet[1].CreateShip(81, 1, &board, false);
    QCOMPARE(fleet[shipNumber].CanDrawShip(qint16(start), shipNumber, &board, fleet), fits);
}

void ShipTest::theAskingShipTakesPartInTheOverlapTest()
{
    Fleet fleet;
    BoardModel board;
    fleet[3].CreateShip(35, 3, &board, false);
    QVERIFY(!fleet[3].CanDrawShip(45, 3, &board, fleet));
    QVERIFY(!fleet[3].CanDrawShip(5, 3, &board, fleet)); // 5..35 ends on its top cell
    QVERIFY(fleet[3].CanDrawShip(36, 3, &board, fleet));
}

void ShipTest::aNewShipIsEmpty()
{
    const clsShip ship;
    QCOMPARE(ship.ShipIndex(), qint16(0));
    QVERIFY(!ship.IsDestroyed());
    QVERIFY(ship.isEmpty());
    for (int k = -1; k <= 101; ++k)
        QVERIFY2(!ship.cShipIsHit(qint16(k)), qPrintable(QString::number(k)));
    ship.ReDrawShip(); // no board: must simply do nothing
}

void ShipTest::createShipRecordsWithoutPaintingUnlessAsked()
{
    BoardModel board;
    clsShip ship;
    ship.CreateShip(35, 3, &board, false);
    QCOMPARE(ship.ShipIndex(), qint16(35));
    QCOMPARE(ship.DrawShipType(), 3);
    QCOMPARE(ship.MapControl(), &board);
    QVERIFY(!ship.isEmpty());
    for (int k = 1; k <= 100; ++k) {
        const bool covered = k == 35 || k == 45 || k == 55 || k == 65;
        QVERIFY2(ship.cShipIsHit(qint16(k)) == covered, qPrintable(QString::number(k)));
    }
    QVERIFY(paintedCells(board).isEmpty());

    ship.ReDrawShip();
    const PaintedCells expected{{35, CellPicture::shipSegment(3, 1)},
                                {45, CellPicture::shipSegment(3, 2)},
                                {55, CellPicture::shipSegment(3, 3)},
                                {65, CellPicture::shipSegment(3, 4)}};
    QCOMPARE(paintedCells(board), expected);
}

void ShipTest::createShipWithDrawFlagPaints()
{
    BoardModel board;
    clsShip ship;
    ship.CreateShip(50, 5, &board, true);
    const PaintedCells painted = paintedCells(board);
    QCOMPARE(painted.keys(), (QList<int>{50, 60, 70, 80, 90, 100}));
    QCOMPARE(painted.value(50), CellPicture::shipSegment(5, 1));
    QCOMPARE(painted.value(100), CellPicture::shipSegment(5, 6));
}

void ShipTest::destroyedExactlyAtItsLength_data()
{
    QTest::addColumn<int>("shipNumber");
    QTest::addColumn<int>("hits");
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("cruiser 2 hits") << 2 << 2 << false;
    QTest::newRow("cruiser 3 hits") << 2 << 3 << true;
    QTest::newRow("cruiser 4 hits") << 2 << 4 << false;
    QTest::newRow("destroyer 2 hits") << 1 << 2 << true;
    QTest::newRow("battleship 5 hits") << 5 << 5 << false;
    QTest::newRow("battleship 6 hits") << 5 << 6 << true;
}

void ShipTest::destroyedExactlyAtItsLength()
{
    QFETCH(int, shipNumber);
    QFETCH(int, hits);
    QFETCH(bool, destroyed);
    clsShip ship;
    ship.CreateShip(1, shipNumber, nullptr, false);
    for (int i = 0; i < hits; ++i)
        ship.IncrementHitCount();
    QCOMPARE(ship.hitCount(), qint16(hits));
    QCOMPARE(ship.IsDestroyed(), destroyed);
}

void ShipTest::deleteShipEmptiesIt()
{
    BoardModel board;
    clsShip ship;
    ship.CreateShip(12, 1, &board, true);
    ship.IncrementHitCount();
    ship.IncrementHitCount();
    QVERIFY(ship.IsDestroyed());
    ship.DeleteShip();
    QCOMPARE(ship.ShipIndex(), qint16(0));
    QVERIFY(!ship.IsDestroyed());
    QCOMPARE(ship.hitCount(), qint16(0));
    QCOMPARE(ship.MapControl(), nullptr);
    QVERIFY(!ship.cShipIsHit(12));
    // The pictures stay until the caller repaints.
    QCOMPARE(board.cell(12), CellPicture::shipSegment(1, 1));
}

void ShipTest::drawShipNeverPaintsOffTheBoard_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("shipNumber");
    QTest::addColumn<PaintedCells>("expected");
    auto segments = [](int shipNumber, QList<QPair<int, int>> cellAndSegment) {
        PaintedCells cells;
        for (const auto &[cell, segment] : cellAndSegment)
            cells.insert(cell, CellPicture::shipSegment(shipNumber, segment));
        return cells;
    };
    QTest::newRow("battleship at 0") << 0 << 5
        << segments(5, {{10, 2}, {20, 3}, {30, 4}, {40, 5}, {50, 6}});
    QTest::newRow("battleship at -5") << -5 << 5
        << segments(5, {{5, 2}, {15, 3}, {25, 4}, {35, 5}, {45, 6}});
    QTest::newRow("battleship at 95") << 95 << 5 << segments(5, {{95, 1}});
    QTest::newRow("destroyer at 91") << 91 << 1 << segments(1, {{91, 1}});
    QTest::newRow("battleship at 32767") << 32767 << 5 << PaintedCells{};
    QTest::newRow("battleship at -32768") << -32768 << 5 << PaintedCells{};
    QTest::newRow("battleship at 101") << 101 << 5 << PaintedCells{};
    QTest::newRow("ship number 0") << 1 << 0 << PaintedCells{};
    QTest::newRow("ship number 6") << 1 << 6 << PaintedCells{};
    QTest::newRow("ship number -1") << 1 << -1 << PaintedCells{};
    QTest::newRow("ship number 2147483647") << 1 << 2147483647 << PaintedCells{};
}

void ShipTest::drawShipNeverPaintsOffTheBoard()
{
    QFETCH(int, start);
    QFETCH(int, shipNumber);
    QFETCH(PaintedCells, expected);
    BoardModel board;
    QList<int> written;
    board.setChangeListener([&](int index) { written.append(index); });
    clsShip().DrawShip(qint16(start), shipNumber, &board);
    QCOMPARE(paintedCells(board), expected);
    QCOMPARE(written, expected.keys());
}

void ShipTest::drawShipWithoutBoardDoesNothing()
{
    clsShip ship;
    ship.CreateShip(1, 5, nullptr, true);
    ship.ReDrawShip();
    QVERIFY(ship.cShipIsHit(51));
}

void ShipTest::coverageIsComputedWithoutWrapping()
{
    // A position from the network is not checked; coverage must stay arithmetic.
    clsShip huge;
    huge.CreateShip(1, 2147483647, nullptr, false);
    QVERIFY(huge.cShipIsHit(91));
    QVERIFY(!huge.cShipIsHit(92));
    QVERIFY(!huge.IsDestroyed());

    clsShip high;
    high.CreateShip(32767, 5, nullptr, false);
    for (int k = 1; k <= 100; ++k)
        QVERIFY(!high.cShipIsHit(qint16(k)));

    clsShip low;
    low.CreateShip(-9, 1, nullptr, false);
    QVERIFY(low.cShipIsHit(1));
    QVERIFY(!low.cShipIsHit(11));
}

void ShipTest::shipNames()
{
    QCOMPARE(ShipKinds::name(1), QStringLiteral("Destroyer"));
    QCOMPARE(ShipKinds::name(3), QStringLiteral("Missile Launcher"));
    QCOMPARE(ShipKinds::name(5), QStringLiteral("Battleship"));
    QVERIFY(ShipKinds::name(0).isEmpty());
    QVERIFY(ShipKinds::name(6).isEmpty());
    QCOMPARE(ShipKinds::length(5), 6);
}

QTEST_GUILESS_MAIN(ShipTest)
#include "tst_ship.moc"
