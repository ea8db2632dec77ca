// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "battle/ShotRule.h"
#include "board/Cue.h"

#include <QCoreApplication>

#include <functional>

class AdmiralSight;
class BoardModel;
class GameTable;
struct HardLevelFields;

// Firing, the computer's reply and the end of a game. Every shot, the player's, the
// computer's and the peer's, takes the one road of shoot().
class BattleFlow
{
    Q_DECLARE_TR_FUNCTIONS(BattleFlow)

public:
    enum class Shooter { Player, Computer, Peer };

    // Where the player's shots and the win go in a network game.
    struct Outbox
    {
        std::function<void(qint16 cell)> fire;
        std::function<void()> gameOver;
    };

    BattleFlow(GameTable &game, BoardModel &ownGrid, BoardModel &opponentGrid,
               HardLevelFields &hardLevel, AdmiralSight &admiralSight, Outbox outbox);

    // A click on the opponent board, with any button.
    void playerFires(int cell);
    // The opponent's shot, received.
    void peerFired(qint16 cell);
    // The opponent announced its win.
    void peerWon();
    // A single-player battle begins: the computer starts searching.
    void computerBegins();

private:
    static QString opponentWon();
    ShotResult shoot(Shooter shooter, qint16 cell);
    void singlePlayerTurn(qint16 cell);
    void computerReplies();
    void networkTurn(qint16 cell);
    void endOfGameTest();
    // The end's status line, its box, and once the box is closed its cue and screen.
    void announceEnd(const QString &status, const QString &box, Cue cue);
    // At the end the opponent board shows where the opponent's fleet lay.
    void revealOpponentFleet();

    GameTable &mGame;
    BoardModel &mOwnGrid;
    BoardModel &mOpponentGrid;
    HardLevelFields &mHard;
    AdmiralSight &mAdmiralSight;
    Outbox mOutbox;
};
