// The player's shot, the computer's reply, and the end of a game.

#include "battle/ComputerOpponent.h"
#include "battle/FleetReveal.h"
#include "battle/RandomSource.h"
#include "battle/ShotRule.h"
#include "main/frmMain.h"
#include "net/PeerText.h"
#include "records/RecordBook.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

void frmMain::imgPlayer2Grid_MouseDown(int index)
{
    if (state.gGamePhase != GameState::Battle)
        return;
    const qint16 cell = qint16(index);
    const bool mayFire = state.gMyTurn && !state.gOpponentShots.isSet(cell);
    if (state.gGameType == GameState::SinglePlayer && mayFire) {
        if (!singlePlayerShot(cell))
            return; // the window closed during the computer's pause
    } else if (state.isNetworkGame() && mayFire) {
        networkShot(cell);
    }
    EndOfGameTest();
}

bool frmMain::singlePlayerShot(qint16 cell)
{
    const ShotResult result = ResolveShot(cell, state.gOpponentShips, player2Grid,
                                          state.gOpponentShots);
    mSound.PlayWave(CueFor(result));
    mRandom->reseedFromClock();
    state.gMyTurn = false;
    lblStatus->setText(QStringLiteral("Opponents Turn"));
    if (!state.gRevealMode && !WaitSeconds(1))
        return false;
    if (state.gGamePhase != GameState::Battle)
        return true; // a click during the pause already ended the game
    ComputerReply(state.gDifficulty,
                  {state.gPlayerShips, player1Grid, state.gPlayerShots, &admiralSight}, hardLevel,
                  *mRandom);
    lblStatus->setText(QStringLiteral("Your Turn (") + state.gPlayerName + QStringLiteral(")"));
    state.gMyTurn = true;
    return true;
}

void frmMain::networkShot(qint16 cell)
{
    state.gMyTurn = false;
    send(Protocol::Fire{cell});
    const ShotResult result = ResolveShot(cell, state.gOpponentShips, player2Grid,
                                          state.gOpponentShots);
    mSound.PlayWave(CueFor(result));
    lblStatus->setText(QStringLiteral("Opponents Turn (") + PeerText::shownName(state.gOpponentName)
                       + QStringLiteral(")"));
}

void frmMain::EndOfGameTest()
{
    // A click made during the computer's pause runs this test too; a game ends once.
    if (state.gGamePhase != GameState::Battle)
        return;
    if (IsFleetDestroyed(state.gOpponentShips)) {
        countGameEnd(GameOutcome::Won);
        state.gGamePhase = GameState::NoGame;
        ShowUnsunkShips(state.gOpponentShips, player2Grid, state.gOpponentShots);
        if (state.isNetworkGame()) {
            QPointer<frmMain> self(this);
            QCoreApplication::processEvents();
            if (!self || mClosing)
                return;
            send(Protocol::GameOver{QStringLiteral("1")});
        }
        lblStatus->setText(QStringLiteral("You Won"));
        inform(QStringLiteral("Game Over. You Win."));
        mSound.PlayWave(QStringLiteral("clap"));
        showScreen(Screen::GameOver);
    }
    if (state.gGamePhase == GameState::Battle && IsFleetDestroyed(state.gPlayerShips)) {
        countGameEnd(GameOutcome::Lost);
        state.gGamePhase = GameState::NoGame;
        ShowUnsunkShips(state.gOpponentShips, player2Grid, state.gOpponentShots);
        lblStatus->setText(QStringLiteral("Opponent Won"));
        inform(QStringLiteral("Game Over. You Lose."));
        mSound.PlayWave(QStringLiteral("youlose"));
        showScreen(Screen::GameOver);
    }
}

bool frmMain::WaitSeconds(int seconds)
{
    // Ends at the first whole-second tick that lies `seconds` after the current
    // whole second, like reading the clock to the second; the window keeps working.
    if (seconds <= 0)
        return !mClosing;
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 endMs = (nowMs / 1000 + seconds) * 1000;
    QPointer<frmMain> self(this);
    QEventLoop pause;
    QTimer::singleShot(int(endMs - nowMs), &pause, &QEventLoop::quit);
    pause.exec();
    return self && !mClosing;
}
