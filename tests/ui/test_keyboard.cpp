// A whole single-player game with the mouse left alone: log in, choose, place the
// fleet and fire with the board's cursor, win, and go back to the menu.

#include "UiHarness.h"
#include "board/BoardProcedures.h"
#include "core/ScriptedRandom.h"

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

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void aSinglePlayerGameIsWonWithTheKeyboardAlone()
    {
        QTemporaryDir dir;
        auto window = openGame(dir.filePath(QStringLiteral("players.txt")));
        window->setRandomSource(std::make_unique<ScriptedRandom>());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
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
        window->state.gRevealMode = true; // no pause before each of the computer's replies

        auto *ownBoard = control<BoardWidget>(*window, QStringLiteral("imgPlayer1Grid"));
        QCOMPARE(focused(), ownBoard);
        key(Qt::Key_Right);
        QCOMPARE(window->player1Grid.cell(2), CellPicture::shipSegment(5, 1)); // the preview follows
        key(Qt::Key_Left);
        for (int ship = 5; ship >= 1; --ship) {
            key(Qt::Key_Space);
            key(Qt::Key_Right);
        }
        QCOMPARE(window->state.gPlayerShips[1].ShipIndex(), qint16(5));
        QVERIFY(tabTo(*window, QStringLiteral("cmdFinishPlacingShips")));
        key(Qt::Key_Return);

        auto *opponentBoard = control<BoardWidget>(*window, QStringLiteral("imgPlayer2Grid"));
        QCOMPARE(focused(), opponentBoard);
        for (int cell = 1; cell <= 100 && window->state.gGamePhase == GameState::Battle; ++cell) {
            if (!IsShipAt(qint16(cell), window->state.gOpponentShips))
                continue;
            steerTo(opponentBoard, cell);
            key(Qt::Key_Space);
            QCOMPARE(window->player2Grid.cell(cell), CellPicture::hit());
        }
        QCOMPARE(boxes, QStringList({QStringLiteral("Game Over. You Win.")}));
        QCOMPARE(statusText(*window), QStringLiteral("You Won"));
        window->activateWindow(); // a desktop does this when the box closes; offscreen does not
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(focused(), control(*window, QStringLiteral("cmdMainMenu")));
        key(Qt::Key_Return);
        QVERIFY(visible(*window, QStringLiteral("picContainerGameType")));
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
