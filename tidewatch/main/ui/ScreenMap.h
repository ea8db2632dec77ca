// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameState.h"

#include <vector>

class AboutView;
class BoardPanel;
class ChatPane;
class ClientPanel;
class DifficultyPanel;
class GameTypePanel;
class LoginPanel;
class PlacementPanel;
class QLabel;
class QPushButton;
class QWidget;
class Reelpane;
class ServerPanel;

// The window's panels and the controls it places itself. The log-in panel and the
// views the flow talks to are made with the window; the rest on their first showing.
struct WindowParts
{
    LoginPanel *login = nullptr;
    PlacementPanel *placement = nullptr;
    ServerPanel *server = nullptr;
    ChatPane *chat = nullptr;
    AboutView *about = nullptr;
    GameTypePanel *gameType = nullptr;
    DifficultyPanel *difficulty = nullptr;
    ClientPanel *client = nullptr;
    BoardPanel *ownBoard = nullptr;
    BoardPanel *opponentBoard = nullptr;
    Reelpane *radar = nullptr;
    QLabel *topShip = nullptr;
    QLabel *status = nullptr;
    QLabel *recordNotice = nullptr;
    QPushButton *mainMenu = nullptr;
};

// Which controls each screen shows. The table is the only place that knows it; the
// flow changes the screen, and the window shows the row it names.
namespace ScreenMap {

// Shows the screen's controls and hides those of every other, of the parts built; in
// a network game the chat takes the top ship's place.
void show(const WindowParts &parts, Screen screen, bool networkGame);

} // namespace ScreenMap
