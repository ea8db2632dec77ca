// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accounts/LoginFlow.h"
#include "battle/AdmiralLevel.h"
#include "battle/BattleFlow.h"
#include "battle/ComputerOpponent.h"
#include "board/BoardModel.h"
#include "board/PlacementFlow.h"
#include "board/GameState.h"
#include "main/StepTimer.h"
#include "net/NetworkFlow.h"
#include "records/UncountedGames.h"

#include <QCoreApplication>

#include <memory>

class ChatView;
class LoginView;
class PlacementView;
class ServerView;
class ShellView;

// The window's parts the flow talks to, each its own small interface.
struct GameViews
{
    ShellView &shell;
    LoginView &login;
    PlacementView &placement;
    ServerView &server;
    ChatView &chat;
};

// The game without its window: the shared state, the two boards and the flow of each
// subsystem, coordinated here. The phase table:
//
//   phase          entered by                                  left by
//   no game        start-up, a game's end, a lost connection  startPlacement
//   placing ships  Start Game, a connection coming up          startBattle
//   battle         Finish, or both fleets known (network)      endGame
//
// The phase, the turn, the screen and the status line each change in one function here.
class GameFlow final : public GameTable
{
    Q_DECLARE_TR_FUNCTIONS(GameFlow)

public:
    GameFlow(const GameViews &views, GameLink &link, std::function<qint64()> clock = {});
    ~GameFlow();

    GameState &state() override { return mState; }
    BoardModel &player1Grid() { return mPlayer1Grid; }
    BoardModel &player2Grid() { return mPlayer2Grid; }
    HardLevelFields &hardLevel() { return mHardLevel; }
    RandomSource &random() override { return *mRandom; }
    // The clock-seeded generator by default; tests give a script.
    void setRandomSource(std::unique_ptr<RandomSource> random);
    // The wall clock's by default; tests step their own.
    void setStepTimer(std::unique_ptr<StepTimer> timer);
    // The window is closing: no step is to come.
    void windowClosed();

    LoginFlow &accounts() { return mAccounts; }
    PlacementFlow &placement() { return mPlacement; }
    BattleFlow &battle() { return mBattle; }
    NetworkFlow &network() { return mNetwork; }

    // The difficulty options' captions, by their nicknames in reveal mode.
    static QStringList difficultyCaptions(bool reveal);
    // What a level does, whatever its caption.
    static QString levelDescription(int level);

    // The menu screens.
    void about();
    void aboutClosed();
    void toggleReveal();
    // Next, with the game-type option chosen (see GameState::typeOfOption).
    void next(int gameType);
    void backToGameType();
    void startSinglePlayer(int gameType, int difficulty);
    void placeForMe();
    void finishPlacing();
    void mainMenu();
    void showRecords();

    // GameTable
    Screen screen() const override { return mScreen; }
    static QString unnamedOpponent();
    QString opponentShown() const override;
    void startPlacement(qint32 gameType) override;
    void startBattle(bool myTurn, const QString &status) override;
    void endGame(GameOutcome outcome) override;
    void setTurn(bool myTurn) override;
    void showScreen(Screen screen) override;
    void setStatus(const QString &text) override;
    void warn(const QString &text, std::function<void()> then) override;
    void inform(const QString &text, std::function<void()> then) override;
    void playCue(Cue cue) override;
    void later(int seconds, std::function<void()> step) override;
    bool waiting() const override;

private:
    using BoxOpener = std::function<void(std::function<void()> closed)>;

    void enterPhase(GameState::Phase phase);
    // Holds socket events while the box `open` shows is up, then runs `then`.
    void showBox(const BoxOpener &open, std::function<void()> then);

    ShellView &mShell;
    PlacementView &mPlacementView;
    GameState mState;
    BoardModel mPlayer1Grid;
    BoardModel mPlayer2Grid;
    HardLevelFields mHardLevel; // the Hard computer's memory, kept between games
    AdmiralSight mAdmiralSight; // what the Admiral has seen of this game
    std::unique_ptr<RandomSource> mRandom;
    std::unique_ptr<StepTimer> mSteps;
    Screen mScreen = Screen::Login;
    LoginFlow mAccounts;
    PlacementFlow mPlacement;
    BattleFlow mBattle;
    NetworkFlow mNetwork;
    UncountedGames mUncounted;
};
