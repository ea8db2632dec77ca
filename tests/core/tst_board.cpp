// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellPicturePrinting.h"
#include "board/BoardModel.h"
#include "board/BoardProcedures.h"
#include "board/Fleet.h"

#include <QTest>

class BoardTest : public QObject
{
    Q_OBJECT

private slots:
    void writesOffTheBoardAreIgnored_data();
    void writesOffTheBoardAreIgnored();
    void everyWriteIsReported();
    void cellsAreNumberedTenToARow();
    void clearGridLeavesOnlyWater();
    void reDrawShipsOfEmptyShipsChangesNothing();
    void reDrawShipsPaintsEachShipOnItsOwnBoard();
    void isShipAtForADestroyerAt81_data();
    void isShipAtForADestroyerAt81();
    void fleetKnowsWhetherItIsEmptyOrComplete();
};

void BoardTest::writesOffTheBoardAreIgnored_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0;
    QTest::newRow("101") << 101;
    QTest::newRow("-1") << -1;
    QTest::newRow("int max") << std::numeric_limits<int>::max();
    QTest::newRow("int min") << std::numeric_limits<int>::min();
}

void BoardTest::writesOffTheBoardAreIgnored()
{
    QFETCH(int, index);
    BoardModel board;
    int notices = 0;
    board.setChangeListener([&](int) { ++notices; });
    QVERIFY(!board.setCell(index, CellPicture::hit()));
    QCOMPARE(board.cell(index), CellPicture::water());
    QCOMPARE(notices, 0);
    for (int k = 1; k <= 100; ++k)
        QCOMPARE(board.cell(k), CellPicture::water());
}

void BoardTest::everyWriteIsReported()
{
    BoardModel board;
    QList<int> notices;
    board.setChangeListener([&](int index) { notices.append(index); });
    QVERIFY(board.setCell(1, CellPicture::miss()));
    QVERIFY(board.setCell(100, CellPicture::hit()));
    QCOMPARE(notices, (QList<int>{1, 100}));
    QCOMPARE(board.cell(1), CellPicture::miss());
    QCOMPARE(board.cell(100), CellPicture::hit());
}

void BoardTest::cellsAreNumberedTenToARow()
{
    // A ship runs down one column: from cell 11 (first of row two) the next cell is 21.
    BoardModel board;
    clsShip ship;
    ship.CreateShip(11, 1, &board, true);
    QCOMPARE(board.cell(11), CellPicture::shipSegment(1, 1));
    QCOMPARE(board.cell(21), CellPicture::shipSegment(1, 2));
    QCOMPARE(board.cell(12), CellPicture::water());
    // Cell 20 ends row two, so a ship there stays in the last column.
    ship.CreateShip(20, 2, &board, true);
    QCOMPARE(board.cell(30), CellPicture::shipSegment(2, 2));
    QCOMPARE(board.cell(40), CellPicture::shipSegment(2, 3));
    QCOMPARE(board.cell(21), CellPicture::shipSegment(1, 2));
}

void BoardTest::clearGridLeavesOnlyWater()
{
    BoardModel board;
    board.setCell(1, CellPicture::hit());
    board.setCell(2, CellPicture::miss());
    clsShip().DrawShip(50, 5, &board);
    ClearGrid(board);
    for (int k = 1; k <= 100; ++k)
        QCOMPARE(board.cell(k), CellPicture::water());
}

void BoardTest::reDrawShipsOfEmptyShipsChangesNothing()
{
    BoardModel board;
    board.setCell(7, CellPicture::miss());
    int notices = 0;
    board.setChangeListener([&](int) { ++notices; });
    ReDrawShips(Fleet());
    QCOMPARE(notices, 0);
    QCOMPARE(board.cell(7), CellPicture::miss());
}

void BoardTest::reDrawShipsPaintsEachShipOnItsOwnBoard()
{
    BoardModel own;
    BoardModel other;
    Fleet fleet;
    fleet[1].CreateShip(81, 1, &own, false);
    fleet[5].CreateShip(1, 5, &other, false);
    own.setCell(5, CellPicture::hit());
    ReDrawShips(fleet);
    QCOMPARE(own.cell(81), CellPicture::shipSegment(1, 1));
    QCOMPARE(own.cell(91), CellPicture::shipSegment(1, 2));
    QCOMPARE(own.cell(1), CellPicture::water());
    QCOMPARE(own.cell(5), CellPicture::hit()); // cells of no ship keep their picture
    QCOMPARE(other.cell(51), CellPicture::shipSegment(5, 6));
    QCOMPARE(other.cell(81), CellPicture::water());
}

void BoardTest::isShipAtForADestroyerAt81_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("covered");
    QTest::newRow("81") << 81 << true;
    QTest::newRow("91") << 91 << true;
    QTest::newRow("71") << 71 << false;
    QTest::newRow("82") << 82 << false;
    QTest::newRow("100") << 100 << false;
    QTest::newRow("101") << 101 << false;
    QTest::newRow("0") << 0 << false;
}

void BoardTest::isShipAtForADestroyerAt81()
{
    QFETCH(int, cell);
    QFETCH(bool, covered);
    Fleet fleet;
    fleet[1].CreateShip(81, 1, nullptr, false);
    QCOMPARE(IsShipAt(qint16(cell), fleet), covered);
}

void BoardTest::fleetKnowsWhetherItIsEmptyOrComplete()
{
    Fleet fleet;
    QVERIFY(fleet.isEmpty());
    QVERIFY(!fleet.isComplete());
    for (int slot = 1; slot <= 4; ++slot)
        fleet[slot].CreateShip(qint16(slot), slot, nullptr, false);
    QVERIFY(!fleet.isEmpty());
    QVERIFY(!fleet.isComplete());
    fleet[5].CreateShip(5, 5, nullptr, false);
    QVERIFY(fleet.isComplete());
    for (int slot = 1; slot <= 5; ++slot)
        fleet[slot].DeleteShip();
    QVERIFY(fleet.isEmpty());
}

QTEST_GUILESS_MAIN(BoardTest)
#include "tst_board.moc"
