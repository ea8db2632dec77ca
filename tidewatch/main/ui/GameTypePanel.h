// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/ui/widgets/WidgetFactory.h"

class GameFlow;
class QButtonGroup;
class QPushButton;

// The game-type screen: single player, server or client, then Next; Log Off; Records.
class GameTypePanel final : public SteelPanel
{
    Q_OBJECT

public:
    GameTypePanel(QWidget *window, GameFlow &flow);

    QWidget *firstControl() const;
    int chosenType() const; // 0 single, 1 server, 2 client; -1 none
    // Gives the keyboard back to the choice, the chosen option or else the first, so
    // that the next arrow key moves it.
    void focusChoice();
    void clearChoice();

private:
    GameFlow &mFlow;
    QButtonGroup *optGameType = nullptr; // ids 0 single, 1 server, 2 client
    QPushButton *cmdNext = nullptr;
};
