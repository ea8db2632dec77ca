// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Cue.h"
#include "board/Fleet.h"
#include "board/GameOutcome.h"
#include "board/ShotRecord.h"

#include <QString>
#include <QStringList>

#include <functional>

class RandomSource;

// gFieldSeparator: what parts the fields of a network message, and so what no name or
// password may hold.
constexpr char kFieldSeparator = '\xB6';

// The screens of the game window; exactly one shows at a time.
enum class Screen {
    Login,
    About,
    GameType,
    Difficulty,
    Server,
    Client,
    Placement,
    Battle,
    GameOver,
};

// The shared game state of one game window. Names and start values are those the
// whole game speaks of; phases, types and levels are plain numbers on purpose.
struct GameState
{
    enum Phase : qint32 { NoGame = 1, PlacingShips = 2, Battle = 3 };
    enum Type : qint32 { NoType = 1, SinglePlayer = 2, Server = 3, Client = 4 };
    // The game-type options 0, 1 and 2 name the single-player, server and client types.
    static constexpr qint32 typeOfOption(int option)
    {
        return option >= 0 && option <= 2 ? SinglePlayer + option : NoType;
    }

    qint32 gGamePhase = NoGame;
    qint32 gGameType = NoType;
    qint32 gDifficulty = 0;
    bool gMyTurn = false;
    QString gPlayerName;
    QString gOpponentName;
    QStringList gPlayerNames;     // position p is index p - 1
    QStringList gPlayerPasswords;
    qint16 gPlayerCount = 0;
    Fleet gPlayerShips;
    Fleet gOpponentShips;
    ShotRecord gPlayerShots;
    ShotRecord gOpponentShots;
    QChar gFieldSeparator = QChar(uchar(kFieldSeparator));
    bool gShipsPlaced = false;
    bool gOpponentShipsPlaced = false;
    bool gRevealMode = false;

    bool isNetworkGame() const { return gGameType == Server || gGameType == Client; }
};

// What the flow of a subsystem asks of the game. The coordinator that answers owns the
// state and is the one place that changes the phase, the turn, the screen and the
// status line; the subsystems never reach the window themselves.
class GameTable
{
public:
    virtual GameState &state() = 0;
    virtual RandomSource &random() = 0;
    virtual Screen screen() const = 0;
    // The opponent's name as the window shows it: the peer's text, on one line, cut short
    // and set apart from the words around it.
    virtual QString opponentShown() const = 0;

    // The moves between phases.
    virtual void startPlacement(qint32 gameType) = 0;                 // -> placing ships
    virtual void startBattle(bool myTurn, const QString &status) = 0; // -> battle
    // -> no game; a game that had begun is counted in the player's records.
    virtual void endGame(GameOutcome outcome) = 0;

    virtual void setTurn(bool myTurn) = 0;
    virtual void showScreen(Screen screen) = 0;
    virtual void setStatus(const QString &text) = 0;
    // Modal boxes: they return at once, and `then` runs once the player has closed the
    // box. Socket events wait until then.
    virtual void warn(const QString &text, std::function<void()> then = {}) = 0;
    virtual void inform(const QString &text, std::function<void()> then = {}) = 0;
    virtual void playCue(Cue cue) = 0;
    // The flow's one step to come: `step` runs at the `seconds`-th whole-second tick from
    // now, or with 0 once the window has handled what is pending; never after the window
    // has closed.
    virtual void later(int seconds, std::function<void()> step) = 0;
    virtual bool waiting() const = 0; // a step is to come

protected:
    ~GameTable() = default;
};
