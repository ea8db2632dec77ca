// SPDX-License-Identifier: GPL-3.0-or-later
// Games with the mouse left alone: a whole single-player game (log in, choose, place
// the fleet and fire with the board's cursor, win, back to the menu), and a network
// game between two windows, chatting, placing and firing.

#include "FreePort.h"
#include "KeyboardFocus.h"
#include "UiHarness.h"
#include "board/BoardProcedures.h"
#include "core/ScriptedRandom.h"

#include <QAccessible>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

void key(Qt::Key pressed)
{
    QTest::keyClick(QApplication::focusWidget(), pressed);
}

bool tabTo(const frmMain &window, const QString &name)
{
    QWidget *target = control(window, name);
    for (int presses = 0; presses < 40 && QApplication::focusWidget() != target; ++presses)
        key(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Moves a focused board's cursor with the arrow keys.
void steerTo(const BoardWidget *board, int cell)
{
    const auto row = [](int index) { return (index - 1) / 10; };
    const auto column = [](int index) { return (index - 1) % 10; };
    while (row(board->cursorCell()) != row(cell))
        key(row(board->cursorCell()) < row(cell) ? Qt::Key_Down : Qt::Key_Up);
    while (column(board->cursorCell()) != column(cell))
        key(column(board->cursorCell()) < column(cell) ? Qt::Key_Right : Qt::Key_Left);
}

// From the game-type screen, with the keyboard: the option `downs` arrows below the first.
void chooseGameType(frmMain &window, int downs)
{
    for (int step = 0; step < downs; ++step)
        key(Qt::Key_Down);
    key(Qt::Key_Space);
    if (tabTo(window, QStringLiteral("cmdNext")))
        key(Qt::Key_Return);
}

// Places the fleet from the top left, column by column, and presses Finish.
void placeAndFinish(frmMain &window)
{
    if (!tabTo(window, QStringLiteral("imgPlayer1Grid")))
        return;
    for (int ship = 5; ship >= 1; --ship) {
        key(Qt::Key_Space);
        key(Qt::Key_Right);
    }
    if (tabTo(window, QStringLiteral("cmdFinishPlacingShips")))
        key(Qt::Key_Return);
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

    static constexpr int kDown = Qt::Key_Down, kUp = Qt::Key_Up, kTab = Qt::Key_Tab, kEnter = Qt::Key_Return;
    static constexpr int kBack = Qt::Key_Backtab, kSpace = Qt::Key_Space;
    static constexpr int kRight = Qt::Key_Right;
    static void addKeyColumns()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QList<int>>("keys");
    }
    // The current row's screen, logged in and active, after the row's keys.
    std::unique_ptr<frmMain> afterKeys()
    {
        QFETCH(Screen, screen);
        QFETCH(QList<int>, keys);
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        createAndLogIn(*window, QStringLiteral("Kim"), QStringLiteral("pw"));
        if (screen == Screen::Placement) {
            startSinglePlayer(*window, 2);
        } else if (screen != Screen::GameType) {
            click(*window, QStringLiteral("optGameType%1").arg(screen == Screen::Difficulty ? 0 : 2));
            click(*window, QStringLiteral("cmdNext"));
        }
        giveKeyboardTo(*window);
        for (int pressed : keys)
            key(Qt::Key(pressed));
        return window;
    }
    QTemporaryDir mDir;

private slots:
    void aNetworkGameIsPlayedAndChattedWithTheKeyboardAlone();

    // Rows: a menu screen and the keys pressed from where its focus starts.
    void arrowKeysChooseTheOption_data()
    {
        addKeyColumns();
        QTest::addColumn<QString>("chosen");
        QTest::newRow("none chosen yet") << Screen::GameType << QList{kDown} << "optGameType1";
        QTest::newRow("no further than the last") << Screen::GameType << QList{kDown, kDown, kDown} << "optGameType2";
        QTest::newRow("down and up") << Screen::Difficulty << QList{kDown, kDown, kUp} << "optComputerDifficulty2";
    }
    void arrowKeysChooseTheOption()
    {
        QFETCH(QString, chosen);
        auto window = afterKeys();
        QCOMPARE(focused(), control(*window, chosen));
        QVERIFY(control<QAbstractButton>(*window, chosen)->isChecked());
    }

    void tabGoesToTheOptionsThenForwardThenBack_data()
    {
        addKeyColumns();
        QTest::addColumn<QString>("focus");
        QTest::newRow("game type, forward") << Screen::GameType << QList{kDown, kTab} << "cmdNext";
        QTest::newRow("game type, back") << Screen::GameType << QList{kDown, kTab, kTab} << "cmdLogOff";
        QTest::newRow("difficulty, back") << Screen::Difficulty << QList{kDown, kTab, kTab} << "cmdBackSinglePlayer";
        QTest::newRow("client, forward") << Screen::Client << QList{kTab} << "cmdMultiplayerClientStartGame";
        // Placement starts on the own board; Space there places the chosen ship.
        QTest::newRow("own board, to the ship") << Screen::Placement << QList{kTab} << "optSelectedShip5";
        QTest::newRow("own board, to the ship chosen since") << Screen::Placement << QList{kTab, kBack, kSpace, kTab} << "optSelectedShip4";
        QTest::newRow("own board, Place for Me") << Screen::Placement << QList{kTab, kTab} << "cmdPlaceForMe";
        QTest::newRow("own board, Finish") << Screen::Placement << QList{kTab, kTab, kSpace, kTab} << "cmdFinishPlacingShips";
        QTest::newRow("ship, back") << Screen::Placement << QList{kTab, kBack} << "imgPlayer1Grid";
        QTest::newRow("Place for Me, back to Clear Ship") << Screen::Placement << QList{kTab, kTab, kSpace, kBack} << "optSelectedShipClear";
    }
    void tabGoesToTheOptionsThenForwardThenBack()
    {
        auto window = afterKeys();
        QTEST(focused()->objectName(), "focus");
    }

    void enterPressesTheForwardButton_data()
    {
        addKeyColumns();
        QTest::addColumn<Screen>("reached");
        QTest::addColumn<QString>("box");
        QTest::newRow("on an option") << Screen::GameType << QList{kDown, kEnter} << Screen::Server << "";
        QTest::newRow("nothing chosen") << Screen::Difficulty << QList{kEnter} << Screen::Difficulty << "";
        QTest::newRow("starts the game") << Screen::Difficulty << QList{kDown, kEnter} << Screen::Placement << "";
        QTest::newRow("in the host box") << Screen::Client << QList{kEnter} << Screen::Client << "No host was entered.";
    }
    void enterPressesTheForwardButton()
    {
        MessageBoxWatcher boxes;
        auto window = afterKeys();
        QFETCH(QString, box);
        QTRY_COMPARE(boxes.last().text, box);
        QTEST(window->flow().screen(), "reached");
    }

    // Rows: how the records view is opened from the game-type screen, and closed.
    void theFirstArrowKeyAfterTheRecordsMovesTheChoice_data()
    {
        QTest::addColumn<QString>("chosenBefore"); // clicked before the view opens; empty: none
        QTest::addColumn<bool>("bySpace"); // Tab to Records and Space, or a click
        QTest::addColumn<bool>("byCloseButton"); // or Escape
        QTest::addColumn<QString>("chosen");
        QTest::newRow("clicked, Escape") << "" << false << false << "optGameType1";
        QTest::newRow("Space, Escape") << "" << true << false << "optGameType1";
        QTest::newRow("clicked, Close") << "" << false << true << "optGameType1";
        QTest::newRow("after a choice") << "optGameType1" << true << true << "optGameType2";
    }
    void theFirstArrowKeyAfterTheRecordsMovesTheChoice()
    {
        QFETCH(QString, chosenBefore);
        QFETCH(bool, bySpace);
        QFETCH(bool, byCloseButton);
        QFETCH(QString, chosen);
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        createAndLogIn(*window, QStringLiteral("Kim"), QStringLiteral("pw"));
        if (!chosenBefore.isEmpty())
            click(*window, chosenBefore);
        QVERIFY(giveKeyboardTo(*window));
        if (bySpace && tabTo(*window, QStringLiteral("cmdRecords")))
            key(Qt::Key_Space);
        else if (!bySpace)
            click(*window, QStringLiteral("cmdRecords"));
        QDialog *view = nullptr;
        QTRY_VERIFY((view = qobject_cast<QDialog *>(QApplication::activeModalWidget())));
        if (byCloseButton)
            QTest::mouseClick(view->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close), Qt::LeftButton);
        else
            QTest::keyClick(view->focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(giveKeyboardTo(*window)); // a desktop does this when the view closes; offscreen does not
        key(Qt::Key_Down);
        QCOMPARE(focused(), control(*window, chosen));
        QVERIFY(control<QAbstractButton>(*window, chosen)->isChecked());
    }

    // The records table is read, not edited: one whole row is highlighted, which Up and
    // Down move; Left and Right move the current cell within it, which a screen reader reads.
    void theRecordsTableHighlightsOneRow_data()
    {
        QTest::addColumn<QList<int>>("keys"); // with their modifiers
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        const int shiftDown = (Qt::SHIFT | Qt::Key_Down).toCombined();
        QTest::newRow("where it starts") << QList<int>{} << 0 << 0;
        QTest::newRow("down, down, up") << QList{kDown, kDown, kUp} << 1 << 0;
        QTest::newRow("right: the same row") << QList{kRight, kRight} << 0 << 2;
        QTest::newRow("shift and down: one row") << QList{shiftDown, shiftDown} << 2 << 0;
        QTest::newRow("select all: one row") << QList{(Qt::CTRL | Qt::Key_A).toCombined()} << 0 << 0;
        QTest::newRow("typing edits nothing") << QList{int(Qt::Key_F2), int(Qt::Key_7)} << 0 << 0;
    }
    void theRecordsTableHighlightsOneRow()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, row);
        QFETCH(int, column);
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        createAndLogIn(*window, QStringLiteral("Kim"), QStringLiteral("pw"));
        click(*window, QStringLiteral("cmdRecords"));
        QDialog *view = nullptr;
        QTRY_VERIFY((view = qobject_cast<QDialog *>(QApplication::activeModalWidget())));
        auto *table = view->findChild<QTableWidget *>(QStringLiteral("tblRecords"));
        QCOMPARE(view->focusWidget(), table);
        for (int pressed : keys) {
            const QKeyCombination combination = QKeyCombination::fromCombined(pressed);
            QTest::keyClick(table, combination.key(), combination.keyboardModifiers());
        }
        QCOMPARE(table->selectionModel()->selectedRows(), QModelIndexList{table->model()->index(row, 0)});
        QCOMPARE(table->currentIndex(), table->model()->index(row, column));
        QVERIFY(!table->viewport()->findChild<QLineEdit *>()); // no cell editor opened
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(row, column);
        QCOMPARE(read->text(QAccessible::Name), table->item(row, column)->text());
        view->reject();
    }

    void aSinglePlayerGameIsWonWithTheKeyboardAlone()
    {
        QTemporaryDir dir;
        auto window = openGame(dir.filePath(QStringLiteral("players.txt")));
        window->flow().setRandomSource(std::make_unique<ScriptedRandom>());
        QVERIFY(giveKeyboardTo(*window));
        QStringList boxes;
        QTimer closer; // answers every message box with Enter
        connect(&closer, &QTimer::timeout, this, [&boxes] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxes << box->text();
                QTest::keyClick(box, Qt::Key_Return); // the box may not have the focus yet
            }
        });
        closer.start(5);

        QCOMPARE(focused(), control(*window, QStringLiteral("cboPlayers")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kim"));
        key(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("pw"));
        QCOMPARE(control<QLineEdit>(*window, QStringLiteral("txtPassword"))->displayText(), QStringLiteral("**"));
        key(Qt::Key_Return); // "Create Player"
        key(Qt::Key_Return); // "Login"
        QVERIFY(visible(*window, QStringLiteral("picContainerGameType")));

        QCOMPARE(focused(), control(*window, QStringLiteral("optGameType0")));
        key(Qt::Key_Space); // "Single Player"
        QVERIFY(tabTo(*window, QStringLiteral("cmdNext")));
        key(Qt::Key_Return);
        QCOMPARE(focused(), control(*window, QStringLiteral("optComputerDifficulty1")));
        key(Qt::Key_Space); // "Easy"
        QVERIFY(tabTo(*window, QStringLiteral("cmdStartGame")));
        key(Qt::Key_Return);
        window->flow().state().gRevealMode = true; // no pause before each of the computer's replies

        auto *ownBoard = control<BoardWidget>(*window, QStringLiteral("imgPlayer1Grid"));
        QCOMPARE(focused(), ownBoard);
        key(Qt::Key_Right);
        QCOMPARE(window->flow().player1Grid().cell(2), CellPicture::shipSegment(5, 1)); // the preview follows
        key(Qt::Key_Left);
        for (int ship = 5; ship >= 1; --ship) {
            key(Qt::Key_Space);
            key(Qt::Key_Right);
        }
        QCOMPARE(window->flow().state().gPlayerShips[1].ShipIndex(), qint16(5));
        QVERIFY(tabTo(*window, QStringLiteral("cmdFinishPlacingShips")));
        key(Qt::Key_Return);

        auto *opponentBoard = control<BoardWidget>(*window, QStringLiteral("imgPlayer2Grid"));
        QCOMPARE(focused(), opponentBoard);
        for (int cell = 1; cell <= 100 && window->flow().state().gGamePhase == GameState::Battle; ++cell) {
            if (!IsShipAt(qint16(cell), window->flow().state().gOpponentShips))
                continue;
            steerTo(opponentBoard, cell);
            key(Qt::Key_Space);
            QCOMPARE(window->flow().player2Grid().cell(cell), CellPicture::hit());
        }
        QTRY_COMPARE(boxes, QStringList({QStringLiteral("Game Over. You Win.")}));
        QCOMPARE(statusText(*window), QStringLiteral("You Won"));
        QTRY_VERIFY(visible(*window, QStringLiteral("cmdMainMenu"))); // once the box has closed
        QVERIFY(giveKeyboardTo(*window)); // a desktop does this when the box closes; offscreen does not
        QCOMPARE(focused(), control(*window, QStringLiteral("cmdMainMenu")));
        key(Qt::Key_Return);
        QVERIFY(visible(*window, QStringLiteral("picContainerGameType")));
    }
};

void KeyboardTest::aNetworkGameIsPlayedAndChattedWithTheKeyboardAlone()
{
    requireFreePort(Protocol::kPort);
    QTemporaryDir dir;
    auto server = openGame(dir.filePath(QStringLiteral("server.txt")));
    auto client = openGame(dir.filePath(QStringLiteral("client.txt")));
    createAndLogIn(*server, QStringLiteral("Sally"), QStringLiteral("pw"));
    createAndLogIn(*client, QStringLiteral("Clark"), QStringLiteral("pw"));
    QVERIFY(giveKeyboardTo(*server));
    chooseGameType(*server, 1);
    QVERIFY(giveKeyboardTo(*client));
    chooseGameType(*client, 2);
    QCOMPARE(focused(), control(*client, QStringLiteral("txtMultiplayerClientHostConnect")));
    QTest::keyClicks(focused(), QStringLiteral("127.0.0.1"));
    QVERIFY(tabTo(*client, QStringLiteral("cmdMultiplayerClientStartGame")));
    key(Qt::Key_Return);
    QTRY_COMPARE(client->flow().screen(), Screen::Placement);
    QTRY_COMPARE(server->flow().screen(), Screen::Placement);

    QCOMPARE(focused(), control(*client, QStringLiteral("txtChatBox")));
    QTest::keyClicks(focused(), QStringLiteral("ready?"));
    key(Qt::Key_Return);
    placeAndFinish(*client);
    QVERIFY(giveKeyboardTo(*server));
    QCOMPARE(focused(), control(*server, QStringLiteral("txtChatBox")));
    placeAndFinish(*server);
    QTRY_COMPARE(server->flow().screen(), Screen::Battle);
    QTRY_COMPARE(client->flow().screen(), Screen::Battle);

    // Where a compositor activated the client's window when it was mapped, the client's
    // new screen takes the keyboard back from the window the test gave it to.
    QVERIFY(giveKeyboardTo(*server));
    auto *target = control<BoardWidget>(*server, QStringLiteral("imgPlayer2Grid"));
    QVERIFY(tabTo(*server, QStringLiteral("imgPlayer2Grid")));
    steerTo(target, 2); // the client's Aircraft Carrier lies in column 2
    key(Qt::Key_Space);
    QCOMPARE(server->flow().player2Grid().cell(2), CellPicture::hit());
    QTRY_VERIFY(client->flow().state().gPlayerShots.isSet(2));
    QVERIFY(control<QPlainTextEdit>(*server, QStringLiteral("txtChatBoxMsgs"))
                ->toPlainText()
                .contains(QStringLiteral("Clark: ready?")));
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
