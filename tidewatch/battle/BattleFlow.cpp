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
        const ShotResult result = ResolveShot(cell, state.gOpponentShips, mOpponentGrid,
                                              state.gOpponentShots);
        mGame.playCue(CueFor(result));
        return result;
    }
    return ResolveShot(cell, state.gPlayerShips, mOwnGrid, state.gPlayerShots);
}

void BattleFlow::playerFires(int index)
{
    const GameState &state = mGame.state();
    if (state.gGamePhase != GameState::Battle)
        return;
    const qint16 cell = qint16(index);
    const bool mayFire = state.gMyTurn && !state.gOpponentShots.isSet(cell);
    if (state.gGameType == GameState::SinglePlayer && mayFire) {
        if (!singlePlayerTurn(cell))
            return;
    } else if (state.isNetworkGame() && mayFire) {
        networkTurn(cell);
    }
    EndOfGameTest();
}

bool BattleFlow::singlePlayerTurn(qint16 cell)
{
    shoot(Shooter::Player, cell);
    RandomSource &random = mGame.random();
    random.reseedFromClock();
    mGame.setTurn(false);
    mGame.setStatus(QStringLiteral("Opponents Turn"));
    if (!mGame.state().gRevealMode && !mGame.pause(1))
        return false;
    const GameState &state = mGame.state();
    if (state.gGamePhase != GameState::Battle)
        return true; // a click during the pause already ended the game
    ComputerTarget target{mGame.state().gPlayerShips, mOwnGrid, mGame.state().gPlayerShots,
                          &mAdmiralSight,
                          [this](qint16 shot) { return shoot(Shooter::Computer, shot); }};
    ComputerReply(state.gDifficulty, target, mHard, random);
    mGame.setStatus(QStringLiteral("Your Turn (") + state.gPlayerName + QStringLiteral(")"));
    mGame.setTurn(true);
    return true;
}

void BattleFlow::networkTurn(qint16 cell)
{
    mGame.setTurn(false);
    mOutbox.fire(cell);
    shoot(Shooter::Player, cell);
    mGame.setStatus(QStringLiteral("Opponents Turn (") + mGame.opponentShown()
                    + QStringLiteral(")"));
}

void BattleFlow::peerFired(qint16 cell)
{
    mGame.setTurn(true);
    mGame.setStatus(QStringLiteral("Your Turn"));
    shoot(Shooter::Peer, cell);
}

void BattleFlow::peerWon()
{
    mGame.endGame(GameOutcome::Lost);
    revealOpponentFleet();
    mGame.setStatus(QStringLiteral("Opponent Won"));
    mGame.showScreen(Screen::GameOver);
    mGame.inform(QStringLiteral("Game Over. You Lose"));
    mGame.playCue(Cue::YouLose);
}

void BattleFlow::revealOpponentFleet()
{
    const GameState &state = mGame.state();
    ShowUnsunkShips(state.gOpponentShips, mOpponentGrid, state.gOpponentShots);
}

void BattleFlow::computerBegins()
{
    StartHardLevel(mHard);
}

void BattleFlow::EndOfGameTest()
{
    // A click made during the computer's pause runs this test too; a game ends once.
    const GameState &state = mGame.state();
    if (state.gGamePhase != GameState::Battle)
        return;
    if (IsFleetDestroyed(state.gOpponentShips)) {
        mGame.endGame(GameOutcome::Won);
        revealOpponentFleet();
        if (state.isNetworkGame()) {
            if (!mGame.letEventsThrough())
                return;
            mOutbox.gameOver();
        }
        mGame.setStatus(QStringLiteral("You Won"));
        mGame.inform(QStringLiteral("Game Over. You Win."));
        mGame.playCue(Cue::Clap);
        mGame.showScreen(Screen::GameOver);
    }
    if (state.gGamePhase == GameState::Battle && IsFleetDestroyed(state.gPlayerShips)) {
        mGame.endGame(GameOutcome::Lost);
        revealOpponentFleet();
        mGame.setStatus(QStringLiteral("Opponent Won"));
        mGame.inform(QStringLiteral("Game Over. You Lose."));
        mGame.playCue(Cue::YouLose);
        mGame.showScreen(Screen::GameOver);
    }
}
