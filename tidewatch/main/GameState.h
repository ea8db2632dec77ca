#pragma once

#include "battle/ShotRecord.h"
#include "board/Fleet.h"
#include "net/Protocol.h"

#include <QString>
#include <QStringList>

// The shared game state of one game window. Names and start values are those the
// whole game speaks of; phases, types and levels are plain numbers on purpose.
struct GameState
{
    enum Phase : qint32 { NoGame = 1, PlacingShips = 2, Battle = 3 };
    enum Type : qint32 { NoType = 1, SinglePlayer = 2, Server = 3, Client = 4 };

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
    QChar gFieldSeparator = QChar(uchar(Protocol::kSeparator));
    bool gShipsPlaced = false;
    bool gOpponentShipsPlaced = false;
    bool gRevealMode = false;

    bool isNetworkGame() const { return gGameType == Server || gGameType == Client; }
};
