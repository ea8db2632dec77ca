// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/ui/widgets/WidgetFactory.h"

class GameFlow;
class GameTypePanel;
class QButtonGroup;
class QPushButton;

// The difficulty screen: the computer's five levels, Start Game and Back.
class DifficultyPanel final : public SteelPanel
{
    Q_OBJECT

public:
    DifficultyPanel(QWidget *window, GameFlow &flow, const GameTypePanel &gameType);

    QWidget *firstControl() const;
    void setCaptions(const QStringList &captions);
    void clearChoice();

private:
    GameFlow &mFlow;
    const GameTypePanel &mGameType;
    QButtonGroup *optComputerDifficulty = nullptr; // ids 1..5
    QPushButton *cmdStartGame = nullptr;
};
