// SPDX-License-Identifier: GPL-3.0-or-later
// A single-player game through the real window: placing the fleet with the mouse,
// firing at the computer, and the end of the game at each level.

#include "UiHarness.h"
#include "core/ScriptedRandom.h"
#include "battle/ShotRule.h"

#include <QDialog>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

const QString kOwnGrid = QStringLiteral("imgPlayer1Grid");
const QString kOpponentGrid = QStringLiteral("imgPlayer2Grid");

// The fleet placeFleetInFirstColumns() lays down, ship by ship from the top.
const QList<int> kOwnShipCells = {1,  11, 21, 31, 41, 51, 2,  12, 22, 32,
                                  42, 3,  13, 23, 33, 4,  14, 24, 5,  15};

// The computer's next draws land on these cells, then it plays on from a fixed seed.
std::unique_ptr<ScriptedRandom> aimingAt(const QList<int> &cells)
{
    auto random = std::make_unique<ScriptedRandom>();
    for (int cell : cells)
        random->append(ScriptedRandom::forCell(cell));
    return random;
}

std::vector<int> cellsOf(const Fleet &fleet, bool shipCells)
{
    std::vector<int> cells;
    for (int cell = 1; cell <= 100; ++cell) {
        bool covered = false;
        for (int slot = 1; slot <= 5; ++slot)
            covered = covered || fleet[slot].cShipIsHit(qint16(cell));
        if (covered == shipCells)
            cells.push_back(cell);
    }
    return cells;
}

struct RecordsSeen
{
    QStringList admiralRow;
    QString note;
};

// Opens the records view from the game-type screen with the keyboard, reads it and
// closes it with Escape.
RecordsSeen recordsView(const frmMain &window)
{
    RecordsSeen seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *view = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!view || qobject_cast<QMessageBox *>(view))
            return;
        const auto *table = view->findChild<QTableWidget *>();
        for (int column = 0; table && column < table->columnCount(); ++column)
            seen.admiralRow << table->item(4, column)->text();
        if (const auto *note = view->findChild<QLabel *>(QStringLiteral("lblRecordsProblem")))
            seen.note = note->text();
        poll.stop();
        QTest::keyClick(view, Qt::Key_Escape);
    });
    poll.start(5);
    QWidget *records = control(window, QStringLiteral("cmdRecords"));
    records->setFocus();
    QTest::keyClick(records, Qt::Key_Space);
    QTest::qWaitFor([&poll] { return !poll.isActive(); }); // the view blocks the window only
    return seen;
}

QCursor boardCursor(const frmMain &window)
{
    return control(window, QStringLiteral("picContainerPlayer1"))->cursor();
}

bool enabled(const frmMain &window, const QString &name)
{
    return control(window, name)->isEnabled();
}

bool checked(const frmMain &window, const QString &name)
{
    return control<QAbstractButton>(window, name)->isChecked();
}

// Places the fleet, finishes and fires at every cell of the computer's fleet; the texts
// of the boxes that opened meanwhile.
QStringList sinkTheComputersFleet(frmMain &window)
{
    placeFleetInFirstColumns(window);
    click(window, QStringLiteral("cmdFinishPlacingShips"));
    MessageBoxWatcher boxes;
    for (int cell : cellsOf(window.flow().state().gOpponentShips, true))
        pressCell(window, kOpponentGrid, cell);
    return boxes.texts();
}

} // namespace

class SinglePlayerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmMain> inPlacement(int difficulty = 2, bool reveal = false)
    {
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        if (reveal) {
            click(*window, QStringLiteral("cmdAbout"));
            QTest::mouseDClick(control(*window, QStringLiteral("imgAbout1")), Qt::LeftButton);
            click(*window, QStringLiteral("cmdAboutOK"));
        }
        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
        startSinglePlayer(*window, difficulty);
        return window;
    }
    QTemporaryDir mDir;

private slots:
    void theBattleshipGoesDownFromTheCellPressed()
    {
        auto window = inPlacement();
        hoverCell(*window, kOwnGrid, 51);
        QCOMPARE(boardCursor(*window).shape(), Qt::ForbiddenCursor);
        pressCell(*window, kOwnGrid, 51);
        QCOMPARE(window->flow().state().gPlayerShips[5].ShipIndex(), qint16(0));

        hoverCell(*window, kOwnGrid, 50);
        QCOMPARE(boardCursor(*window).shape(), Qt::ArrowCursor);
        QCOMPARE(window->flow().player1Grid().cell(50), CellPicture::shipSegment(5, 1)); // preview only
        QCOMPARE(window->flow().state().gPlayerShips[5].ShipIndex(), qint16(0));
        pressCell(*window, kOwnGrid, 50);
        for (int segment = 1; segment <= 6; ++segment)
            QCOMPARE(window->flow().player1Grid().cell(40 + segment * 10), CellPicture::shipSegment(5, segment));
        QVERIFY(!enabled(*window, QStringLiteral("optSelectedShip5")));
        QVERIFY(checked(*window, QStringLiteral("optSelectedShip4")));
        QVERIFY(!enabled(*window, QStringLiteral("cmdFinishPlacingShips")));
    }

    void aPreviewLeavesNoTraceWhenThePointerMovesOn()
    {
        auto window = inPlacement();
        hoverCell(*window, kOwnGrid, 7);
        QCOMPARE(window->flow().player1Grid().cell(57), CellPicture::shipSegment(5, 6));
        hoverCell(*window, kOwnGrid, 8);
        QCOMPARE(window->flow().player1Grid().cell(57), CellPicture::water());
        QCOMPARE(window->flow().player1Grid().cell(58), CellPicture::shipSegment(5, 6));
    }

    // Rows: the cell the Aircraft Carrier is previewed at (61: it does not fit), then the
    // pointer leaves the board or the player chooses an option.
    void noPreviewStaysWhereNoShipLies_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("option");
        QTest::newRow("the pointer leaves") << 7 << "";
        QTest::newRow("the pointer leaves where it does not fit") << 61 << "";
        QTest::newRow("Clear Ship") << 7 << "optSelectedShipClear";
        QTest::newRow("Clear Ship where it does not fit") << 61 << "optSelectedShipClear";
        QTest::newRow("another ship") << 7 << "optSelectedShip2";
    }
    void noPreviewStaysWhereNoShipLies()
    {
        QFETCH(int, cell);
        QFETCH(QString, option);
        auto window = inPlacement();
        const auto *board = control<BoardWidget>(*window, kOwnGrid);
        const BoardModel &grid = window->flow().player1Grid();
        pressCell(*window, kOwnGrid, 10); // the Battleship, 10..60, stays drawn
        hoverCell(*window, kOwnGrid, cell);
        QVERIFY(grid.cell(cell) == CellPicture::shipSegment(4, 1) || board->noFitCell() == cell);
        if (option.isEmpty()) // onto the board's own panel, just left of the grid
            QTest::mouseMove(window->windowHandle(), board->mapTo(window.get(), QPoint(-4, 150)));
        else
            click(*window, option);
        for (int index = 1; index <= 100; ++index)
            QCOMPARE(grid.cell(index), index % 10 == 0 && index <= 60
                                           ? CellPicture::shipSegment(5, index / 10)
                                           : CellPicture::water());
        QCOMPARE(board->noFitCell(), 0);
        if (option.isEmpty())
            QCOMPARE(boardCursor(*window).shape(), Qt::ArrowCursor);
    }

    void shipsMayLieSideBySideButNotCrossEachOther()
    {
        auto window = inPlacement();
        pressCell(*window, kOwnGrid, 31); // Battleship 31..81
        pressCell(*window, kOwnGrid, 32); // Aircraft Carrier beside it, 32..72
        QCOMPARE(window->flow().state().gPlayerShips[4].ShipIndex(), qint16(32));
        hoverCell(*window, kOwnGrid, 2); // Missile Launcher 2..32 would cross the carrier
        QCOMPARE(boardCursor(*window).shape(), Qt::ForbiddenCursor);
        pressCell(*window, kOwnGrid, 2);
        QCOMPARE(window->flow().state().gPlayerShips[3].ShipIndex(), qint16(0));
    }

    void pickingASmallerShipPlacesItThenTheLargestFollows()
    {
        auto window = inPlacement();
        pressCell(*window, kOwnGrid, 1); // Battleship
        click(*window, QStringLiteral("optSelectedShip2"));
        pressCell(*window, kOwnGrid, 10, Qt::RightButton); // any button places
        QCOMPARE(window->flow().state().gPlayerShips[2].ShipIndex(), qint16(10));
        QVERIFY(checked(*window, QStringLiteral("optSelectedShip4")));
    }

    void theFifthShipOpensFinishAndRemovalTakesAShipBack()
    {
        auto window = inPlacement();
        placeFleetInFirstColumns(*window);
        QVERIFY(checked(*window, QStringLiteral("optSelectedShipClear")));
        for (int ship = 1; ship <= 5; ++ship)
            QVERIFY(!enabled(*window, QStringLiteral("optSelectedShip%1").arg(ship)));
        QVERIFY(enabled(*window, QStringLiteral("cmdFinishPlacingShips")));

        hoverCell(*window, kOwnGrid, 60);
        QCOMPARE(boardCursor(*window).shape(), Qt::BitmapCursor);
        pressCell(*window, kOwnGrid, 23, Qt::MiddleButton); // a cell of the Missile Launcher
        QCOMPARE(window->flow().state().gPlayerShips[3].ShipIndex(), qint16(0));
        QVERIFY(enabled(*window, QStringLiteral("optSelectedShip3")));
        QVERIFY(!checked(*window, QStringLiteral("optSelectedShip3")));
        QVERIFY(checked(*window, QStringLiteral("optSelectedShipClear")));
        QVERIFY(!enabled(*window, QStringLiteral("cmdFinishPlacingShips")));
        QCOMPARE(window->flow().player1Grid().cell(23), CellPicture::shipSegment(3, 3)); // until the next move
        hoverCell(*window, kOwnGrid, 99);
        QCOMPARE(window->flow().player1Grid().cell(23), CellPicture::water());
        pressCell(*window, kOwnGrid, 99); // water: nothing to remove
        QCOMPARE(window->flow().state().gPlayerShips.isComplete(), false);

        // A double-click (press, release, double-click) is one press: the ship it places stays.
        click(*window, QStringLiteral("optSelectedShip3"));
        pressCell(*window, kOwnGrid, 3);
        QTest::mouseDClick(control(*window, kOwnGrid), Qt::LeftButton, {}, cellCentre(3));
        QCOMPARE(window->flow().state().gPlayerShips[3].ShipIndex(), qint16(3));
        QVERIFY(enabled(*window, QStringLiteral("cmdFinishPlacingShips")));
    }

    void finishShowsAnEmptyOpponentBoardAndGivesThePlayerTheTurn()
    {
        auto window = inPlacement();
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        QVERIFY(visible(*window, QStringLiteral("picContainerPlayer2")));
        QVERIFY(!visible(*window, QStringLiteral("picContainerShipPlace")));
        QCOMPARE(statusText(*window), QStringLiteral("Game Ready... Your Turn"));
        QCOMPARE(window->flow().state().gGamePhase, 3);
        QVERIFY(window->flow().state().gMyTurn);
        QVERIFY(window->flow().state().gOpponentShips.isComplete());
        for (int cell = 1; cell <= 100; ++cell)
            QCOMPARE(window->flow().player2Grid().cell(cell), CellPicture::water());
        QVERIFY(window->flow().hardLevel().mRandomSearch && window->flow().hardLevel().mWalkUp);
    }

    void inRevealModeTheComputersFleetShows()
    {
        auto window = inPlacement(1, true);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        for (int cell : cellsOf(window->flow().state().gOpponentShips, true))
            QCOMPARE(window->flow().player2Grid().cell(cell).kind, CellPicture::Kind::ShipSegment);
    }

    void aShotIsAnsweredAndRepeatsAreIgnored()
    {
        auto window = inPlacement(2, true);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        window->flow().setRandomSource(aimingAt({100}));
        QStringList cues;
        window->modSound().setListener([&](const QString &cue) { cues << cue; });
        const int water = cellsOf(window->flow().state().gOpponentShips, false).front();
        pressCell(*window, kOpponentGrid, water, Qt::RightButton);
        QCOMPARE(window->flow().player2Grid().cell(water), CellPicture::miss());
        QCOMPARE(window->flow().player1Grid().cell(100), CellPicture::miss());
        QCOMPARE(statusText(*window), QStringLiteral("Your Turn (Pat)"));
        QCOMPARE(cues, QStringList({"miss"}));

        pressCell(*window, kOpponentGrid, water);
        QCOMPARE(window->flow().state().gPlayerShots.count(), 1); // no second reply
        QCOMPARE(cues, QStringList({"miss"}));
        QCOMPARE(statusText(*window), QStringLiteral("Your Turn (Pat)"));
    }

    void theComputerPausesBeforeReplyingOutsideRevealMode()
    {
        auto window = inPlacement(2, false);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        QStringList seenDuringPause;
        QTimer peek;
        QObject::connect(&peek, &QTimer::timeout, [&] { seenDuringPause << statusText(*window); });
        peek.start(0); // every pass of the event loop, however short the pause
        const int water = cellsOf(window->flow().state().gOpponentShips, false).front();
        pressCell(*window, kOpponentGrid, water);
        peek.stop();
        QVERIFY(seenDuringPause.contains(QStringLiteral("Opponents Turn")));
        QCOMPARE(statusText(*window), QStringLiteral("Your Turn (Pat)"));
        QCOMPARE(window->flow().state().gPlayerShots.count(), 1);
    }

    void closingTheWindowDuringThePauseStopsTheTurnCleanly()
    {
        auto window = inPlacement(2, false);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        MessageBoxWatcher boxes;
        QTimer::singleShot(0, window.get(), &QWidget::close);
        pressCell(*window, kOpponentGrid, cellsOf(window->flow().state().gOpponentShips, false).front());
        QVERIFY(!window->isVisible());
        QCOMPARE(window->flow().state().gPlayerShots.count(), 0); // the computer never replied
        QCOMPARE(window->flow().state().gOpponentShots.count(), 1);
        QVERIFY(boxes.seen.empty());
    }

    // The box blocks the window, not the program: the window may go while it is up.
    void closingTheWindowWhileTheGameOverBoxIsUpEndsCleanly()
    {
        auto window = inPlacement(2, true);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        QStringList cues;
        window->modSound().setListener([&](const QString &cue) { cues << cue; });
        const std::vector<int> targets = cellsOf(window->flow().state().gOpponentShips, true);
        for (size_t shot = 0; shot + 1 < targets.size(); ++shot)
            pressCell(*window, kOpponentGrid, targets[shot]);
        QWidget *grid = control(*window, kOpponentGrid);
        QTest::mousePress(grid, Qt::LeftButton, {}, cellCentre(targets.back()));
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        QVERIFY(window->close());
        window.reset();
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!cues.contains(QStringLiteral("clap"))); // what followed the box went with it
    }

    void aClickDuringThePauseAfterTheWinningShotDoesNothing()
    {
        auto window = inPlacement(2, false);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        window->flow().state().gRevealMode = true; // no pause until the last shot
        const std::vector<int> targets = cellsOf(window->flow().state().gOpponentShips, true);
        for (size_t shot = 0; shot + 1 < targets.size(); ++shot)
            pressCell(*window, kOpponentGrid, targets[shot]);
        window->flow().state().gRevealMode = false;
        MessageBoxWatcher boxes;
        const int shotsBefore = window->flow().state().gPlayerShots.count();
        QTimer::singleShot(0, [&] { pressCell(*window, kOpponentGrid, targets.front()); });
        pressCell(*window, kOpponentGrid, targets.back());
        QCOMPARE(boxes.texts(), QStringList({"Game Over. You Win."}));
        QCOMPARE(window->flow().state().gPlayerShots.count(), shotsBefore + 1); // the reply, then the end
        QCOMPARE(window->flow().state().gOpponentShots.count(), int(targets.size()));
    }

    void aWholeGameEndsInTheRightOrder_data()
    {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<bool>("playerWins");
        for (int level = 1; level <= 4; ++level) {
            QTest::addRow("level %d, player wins", level) << level << true;
            QTest::addRow("level %d, computer wins", level) << level << false;
        }
    }
    void aWholeGameEndsInTheRightOrder()
    {
        QFETCH(int, difficulty);
        QFETCH(bool, playerWins);
        auto window = inPlacement(difficulty, true);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        // The computer aims at the player's ships only when it is meant to win.
        window->flow().setRandomSource(aimingAt(playerWins ? QList<int>() : kOwnShipCells));
        MessageBoxWatcher boxes;
        QStringList cues;
        window->modSound().setListener([&](const QString &cue) { cues << cue; });

        const std::vector<int> targets = cellsOf(window->flow().state().gOpponentShips, playerWins);
        for (int cell : targets) {
            if (window->flow().state().gGamePhase != 3)
                break;
            QVERIFY(!visible(*window, QStringLiteral("cmdMainMenu")));
            pressCell(*window, kOpponentGrid, cell);
        }
        QCOMPARE(window->flow().state().gGamePhase, 1);
        QCOMPARE(boxes.seen.size(), size_t(1));
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QVERIFY(visible(*window, QStringLiteral("cmdMainMenu")));
        if (playerWins) {
            QCOMPARE(statusText(*window), QStringLiteral("You Won"));
            QCOMPARE(boxes.last().text, QStringLiteral("Game Over. You Win."));
            QCOMPARE(cues.count(QStringLiteral("sunk")), 5);
            QCOMPARE(cues.count(QStringLiteral("hit")), 15);
            QCOMPARE(cues.mid(cues.size() - 2), QStringList({"sunk", "clap"}));
        } else {
            QCOMPARE(statusText(*window), QStringLiteral("Opponent Won"));
            QCOMPARE(boxes.last().text, QStringLiteral("Game Over. You Lose."));
            QCOMPARE(cues.last(), QStringLiteral("youlose"));
            QCOMPARE(cues.count(QStringLiteral("miss")), cues.size() - 1);
        }

        // A finished game takes no more shots from either side.
        const int shotsBefore = window->flow().state().gPlayerShots.count();
        pressCell(*window, kOpponentGrid, cellsOf(window->flow().state().gOpponentShips, false).back());
        QCOMPARE(window->flow().state().gPlayerShots.count(), shotsBefore);
        QCOMPARE(boxes.seen.size(), size_t(1));

        click(*window, QStringLiteral("cmdMainMenu"));
        startSinglePlayer(*window, difficulty);
        QCOMPARE(window->flow().state().gGamePhase, 2);
        QCOMPARE(window->flow().state().gPlayerShots.count() + window->flow().state().gOpponentShots.count(), 0);
    }

    void theEndShowsWhereTheShipsThePlayerDidNotSinkLay()
    {
        auto window = inPlacement(4); // the computer never misses
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        window->flow().state().gRevealMode = true; // no pause; the fleet is already down, unpainted
        const std::vector<int> ships = cellsOf(window->flow().state().gOpponentShips, true);
        QCOMPARE(window->flow().player2Grid().cell(ships.back()), CellPicture::water());
        MessageBoxWatcher boxes;
        pressCell(*window, kOpponentGrid, ships.front());
        for (int cell : cellsOf(window->flow().state().gOpponentShips, false))
            if (window->flow().state().gGamePhase == 3)
                pressCell(*window, kOpponentGrid, cell);
        QCOMPARE(boxes.texts(), QStringList({"Game Over. You Lose."}));
        QCOMPARE(window->flow().player2Grid().cell(ships.front()), CellPicture::hit()); // a hit stays one
        for (int cell : ships)
            if (cell != ships.front())
                QCOMPARE(window->flow().player2Grid().cell(cell).kind, CellPicture::Kind::ShipSegment);
    }

    void placeForMePlacesTheRestAndLeavesThemMovable()
    {
        auto window = inPlacement();
        pressCell(*window, kOwnGrid, 10); // the Battleship by hand
        QWidget *placeForMe = control(*window, QStringLiteral("cmdPlaceForMe"));
        QVERIFY(!placeForMe->accessibleDescription().isEmpty());
        placeForMe->setFocus();
        QTest::keyClick(placeForMe, Qt::Key_Space);
        QCOMPARE(window->flow().state().gPlayerShips[5].ShipIndex(), qint16(10));
        const std::vector<int> ships = cellsOf(window->flow().state().gPlayerShips, true);
        QCOMPARE(ships.size(), size_t(20)); // all five, none over another
        for (int cell : ships)
            QCOMPARE(window->flow().player1Grid().cell(cell).kind, CellPicture::Kind::ShipSegment);
        QVERIFY(checked(*window, QStringLiteral("optSelectedShipClear")));
        QVERIFY(enabled(*window, QStringLiteral("cmdFinishPlacingShips")));
        pressCell(*window, kOwnGrid, window->flow().state().gPlayerShips[1].ShipIndex()); // taken back
        QVERIFY(enabled(*window, QStringLiteral("optSelectedShip1")));
        QVERIFY(!enabled(*window, QStringLiteral("cmdFinishPlacingShips")));
    }

    void impossibleSinksBothFleetsInTheSameClickAndThePlayerWins()
    {
        auto window = inPlacement(4, true);
        const QStringList boxTexts = sinkTheComputersFleet(*window);
        QVERIFY(IsFleetDestroyed(window->flow().state().gPlayerShips));
        QCOMPARE(boxTexts, QStringList({"Game Over. You Win."}));
        QCOMPARE(statusText(*window), QStringLiteral("You Won"));
    }

    // Opened from the game-type screen with the keyboard, closed with Escape.
    void aWonGameShowsInTheRecordView()
    {
        auto window = inPlacement(5, true);
        const QStringList boxTexts = sinkTheComputersFleet(*window);
        QCOMPARE(boxTexts, QStringList({"Game Over. You Win."}));
        QCOMPARE(window->flow().state().gPlayerShots.count(), 20); // the Admiral answered every shot
        click(*window, QStringLiteral("cmdMainMenu"));
        QCOMPARE(recordsView(*window).admiralRow, QStringList({"1", "1", "0", "0", "20", "100.0 %"}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aGameThatCannotBeCountedSaysSoAtItsEndAndInTheRecords()
    {
        auto window = inPlacement(5, true);
        const QString records = mDir.filePath(QStringLiteral("records.txt"));
        QFile file(records);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("admiral 3 1 2 0 40 150 60 Pat\n") > 0);
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
        const QStringList boxTexts = sinkTheComputersFleet(*window);
        QCOMPARE(boxTexts, QStringList({"Game Over. You Win."}));
        QCOMPARE(statusText(*window), QStringLiteral("You Won"));
        QVERIFY(visible(*window, QStringLiteral("lblRecordNotice")));
        QCOMPARE(control<QLabel>(*window, QStringLiteral("lblRecordNotice"))->text(),
                 QStringLiteral("Not counted in your records: records.txt is read-only."));
        click(*window, QStringLiteral("cmdMainMenu"));
        const RecordsSeen seen = recordsView(*window);
        QFile::remove(records);
        QCOMPARE(seen.admiralRow.value(0), QStringLiteral("3")); // the old counts, as they are
        QCOMPARE(seen.note, QStringLiteral("Not counted here: 1 game played since Tidewatch started "
                                           "(records.txt is read-only)."));
        startSinglePlayer(*window, 1); // the line belonged to the game before
        QVERIFY(control<QLabel>(*window, QStringLiteral("lblRecordNotice"))->text().isEmpty());
    }
};

QTEST_MAIN(SinglePlayerTest)
#include "test_single_player.moc"
