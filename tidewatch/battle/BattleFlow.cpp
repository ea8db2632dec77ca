// SPDX-License-Identifier: GPL-3.0-or-later
#include "battle/BattleFlow.h"

#include "battle/ComputerOpponent.h"
#include "battle/FleetReveal.h"
#include "board/RandomSource.h"
#include "board/GameState.h"

BattleFlow::BattleFlow(GameTable &game, BoardModel &ownGrid, BoardModel &opponentGrid,
                       HardLevelFields &hardLevel, AdmiralSight &admiralSight, Outbox outbox)
    : mGame(game)
    , mOwnGrid(ownGrid)
    , mOpponentGrid(opponentGrid)
    , mHard(hardLevel)
    , mAdmiralSight(admiralSight)
    , mOutbox(std::move(outbox))
{
}

// Marks the board, counts the hit, and plays the cue of the local player's own shots.
ShotResult BattleFlow::shoot(Shooter shooter, qint16 cell)
{
    GameState &state = mGame.state();
    if (shooter == Shooter::Player) {
        const ShotResult result = resolveShot(cell, state.gOpponentShips, mOpponentGrid,
                                              state.gOpponentShots);
        mGame.playCue(cueFor(result));
        return result;
    }
    return resolveShot(cell, state.gPlayerShips, mOwnGrid, state.gPlayerShots);
}

void BattleFlow::playerFires(int index)
{
    const GameState &state = mGame.state();
    // During the computer's pause, clicks on its board do nothing.
    if (state.gGamePhase != GameState::Battle || mGame.waiting())
        return;
    const qint16 cell = qint16(index);
    const bool mayFire = state.gMyTurn && !state.gOpponentShots.isSet(cell);
    if (state.gGameType == GameState::SinglePlayer && mayFire) {
        singlePlayerTurn(cell);
        return; // the end is tested after the computer's reply
    }
    if (state.isNetworkGame() && mayFire)
        networkTurn(cell);
    endOfGameTest();
}

void BattleFlow::singlePlayerTurn(qint16 cell)
{
    shoot(Shooter::Player, cell);
    mGame.random().reseedFromClock();
    mGame.setTurn(false);
    //: Status line while the computer aims (no apostrophe, as the game always wrote it)
    mGame.setStatus(tr("Opponents Turn"));
    if (mGame.state().gRevealMode)
        computerReplies();
    else
        mGame.later(1, [this] { computerReplies(); });
}

void BattleFlow::computerReplies()
{
    const GameState &state = mGame.state();
    ComputerTarget target{mGame.state().gPlayerShips, mOwnGrid, mGame.state().gPlayerShots,
                          &mAdmiralSight,
                          [this](qint16 shot) { return shoot(Shooter::Computer, shot); }};
    computerReply(state.gDifficulty, target, mHard, mGame.random());
    //: %1 is the player's own name
    mGame.setStatus(tr("Your Turn (%1)").arg(state.gPlayerName));
    mGame.setTurn(true);
    endOfGameTest();
}

void BattleFlow::networkTurn(qint16 cell)
{
    mGame.setTurn(false);
    mOutbox.fire(cell);
    shoot(Shooter::Player, cell);
    //: %1 is the other player's name
    mGame.setStatus(tr("Opponents Turn (%1)").arg(mGame.opponentShown()));
}

void BattleFlow::peerFired(qint16 cell)
{
    mGame.setTurn(true);
    mGame.setStatus(tr("Your Turn"));
    shoot(Shooter::Peer, cell);
}

void BattleFlow::peerWon()
{
    mGame.endGame(GameOutcome::Lost);
    revealOpponentFleet();
    mGame.setStatus(opponentWon());
    mGame.showScreen(Screen::GameOver);
    //: Shown when the other player announces the win (written without a full stop)
    mGame.inform(tr("Game Over. You Lose"), [this] { mGame.playCue(Cue::YouLose); });
}

void BattleFlow::revealOpponentFleet()
{
    const GameState &state = mGame.state();
    showUnsunkShips(state.gOpponentShips, mOpponentGrid, state.gOpponentShots);
}

void BattleFlow::computerBegins()
{
    startHardLevel(mHard);
}

void BattleFlow::endOfGameTest()
{
    const GameState &state = mGame.state();
    if (IsFleetDestroyed(state.gOpponentShips)) {
        mGame.endGame(GameOutcome::Won);
        revealOpponentFleet();
        const auto announceWin = [this] {
            announceEnd(tr("You Won"), tr("Game Over. You Win."), Cue::Clap);
        };
        if (state.isNetworkGame()) {
            // The board shows the sinking before the peer hears of it.
            mGame.later(0, [this, announceWin] {
                mOutbox.gameOver();
                announceWin();
            });
        } else {
            announceWin();
        }
        return;
    }
    if (IsFleetDestroyed(state.gPlayerShips)) {
        mGame.endGame(GameOutcome::Lost);
        revealOpponentFleet();
        announceEnd(opponentWon(), tr("Game Over. You Lose."),
                    Cue::YouLose);
    }
}

QString BattleFlow::opponentWon()
{
    return tr("Opponent Won");
}

void BattleFlow::announceEnd(const QString &status, const QString &box, Cue cue)
{
    mGame.setStatus(status);
    mGame.inform(box, [this, cue] {
        mGame.playCue(cue);
        mGame.showScreen(Screen::GameOver);
    });
}
