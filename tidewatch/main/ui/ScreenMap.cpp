// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/ScreenMap.h"

#include "Reelpane.h"
#include "accounts/ui/LoginPanel.h"
#include "board/ui/BoardPanel.h"
#include "board/ui/BoardWidget.h"
#include "board/ui/PlacementPanel.h"
#include "main/ui/AboutView.h"
#include "main/ui/DifficultyPanel.h"
#include "main/ui/GameTypePanel.h"
#include "net/ui/ChatPane.h"
#include "net/ui/ClientPanel.h"
#include "net/ui/ServerPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

using Controls = std::vector<QWidget *>;

struct ScreenRow
{
    Screen screen;
    Controls (*shown)(const WindowParts &);
    QWidget *(*firstControl)(const WindowParts &); // takes the keyboard when the screen shows
    bool gameScreen; // adds the top ship in a single-player game, the chat in a network one
};

// Screen, what it shows, where the keyboard starts, and whether it is a game screen.
// A screen's controls may be built on its first showing; its row is here from the start.
const std::vector<ScreenRow> &screenRows()
{
    static const std::vector<ScreenRow> map = {
        {Screen::Login, [](const WindowParts &w) { return Controls{w.login}; },
         [](const WindowParts &w) { return w.login->firstControl(); }, false},
        {Screen::About, [](const WindowParts &w) { return w.about ? w.about->controls() : Controls{}; },
         [](const WindowParts &w) { return w.about->firstControl(); }, false},
        {Screen::GameType, [](const WindowParts &w) { return Controls{w.gameType}; },
         [](const WindowParts &w) { return w.gameType->firstControl(); }, false},
        {Screen::Difficulty, [](const WindowParts &w) { return Controls{w.difficulty}; },
         [](const WindowParts &w) { return w.difficulty->firstControl(); }, false},
        {Screen::Server, [](const WindowParts &w) { return Controls{w.server}; },
         [](const WindowParts &w) { return w.server->firstControl(); }, false},
        {Screen::Client, [](const WindowParts &w) { return Controls{w.client}; },
         [](const WindowParts &w) { return w.client->firstControl(); }, false},
        {Screen::Placement,
         [](const WindowParts &w) {
             return Controls{w.ownBoard, w.placement, w.status, w.radar};
         },
         [](const WindowParts &w) -> QWidget * { return w.ownBoard->grid(); }, true},
        {Screen::Battle,
         [](const WindowParts &w) {
             return Controls{w.ownBoard, w.opponentBoard, w.status, w.radar};
         },
         [](const WindowParts &w) -> QWidget * { return w.opponentBoard->grid(); }, true},
        {Screen::GameOver,
         [](const WindowParts &w) {
             return Controls{w.ownBoard, w.opponentBoard, w.status, w.recordNotice, w.radar,
                             w.mainMenu};
         },
         [](const WindowParts &w) -> QWidget * { return w.mainMenu; }, true},
    };
    return map;
}

// Every control some screen shows, of those built so far.
Controls screenControls(const WindowParts &parts)
{
    Controls controls = {parts.topShip, parts.chat->log(), parts.chat->entry()};
    for (const ScreenRow &row : screenRows())
        for (QWidget *control : row.shown(parts))
            if (std::find(controls.begin(), controls.end(), control) == controls.end())
                controls.push_back(control);
    controls.erase(std::remove(controls.begin(), controls.end(), nullptr), controls.end());
    return controls;
}

} // namespace

namespace ScreenMap {

void show(const WindowParts &parts, Screen screen, bool networkGame)
{
    const auto row = std::find_if(screenRows().begin(), screenRows().end(),
                                  [screen](const ScreenRow &candidate) { return candidate.screen == screen; });
    Controls shown = row->shown(parts);
    if (row->gameScreen && networkGame)
        shown.insert(shown.end(), {parts.chat->log(), parts.chat->entry()});
    else if (row->gameScreen)
        shown.push_back(parts.topShip);
    for (QWidget *control : screenControls(parts))
        if (std::find(shown.begin(), shown.end(), control) == shown.end())
            control->hide();
    for (QWidget *control : shown)
        control->show();
    // In a network game the keyboard starts in the chat until the game is over.
    const bool chatFirst = row->gameScreen && networkGame && screen != Screen::GameOver;
    (chatFirst ? parts.chat->entry() : row->firstControl(parts))->setFocus();
}

} // namespace ScreenMap
