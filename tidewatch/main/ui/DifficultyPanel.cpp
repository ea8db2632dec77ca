// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/DifficultyPanel.h"

#include "main/GameFlow.h"
#include "main/ui/GameTypePanel.h"
#include "main/ui/widgets/MenuKeys.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

DifficultyPanel::DifficultyPanel(QWidget *window, GameFlow &flow, const GameTypePanel &gameType)
    : SteelPanel(window, QStringLiteral("picContainerComputerDifficulty"),
                 tr("Select Computer Difficulty"), 0, 0, 3735, 2055)
    , mFlow(flow)
    , mGameType(gameType)
{
    using namespace WidgetFactory;
    title(this, tr("Select Computer Difficulty"), 120, 60, 3495);
    optComputerDifficulty = new QButtonGroup(this);
    const QStringList captions = GameFlow::difficultyCaptions(false);
    // Five levels between the title and the buttons.
    for (int index = 1; index <= captions.size(); ++index) {
        QRadioButton *level = option(this, QStringLiteral("optComputerDifficulty%1").arg(index),
                                     captions[index - 1], 240, 390 + (index - 1) * 225, 3375, 225);
        level->setToolTip(GameFlow::levelDescription(index));
        level->setAccessibleDescription(level->toolTip());
        optComputerDifficulty->addButton(level, index);
    }
    cmdStartGame = button(this, QStringLiteral("cmdStartGame"), tr("Start Game"), 2280,
                          1560, 1335, 375);
    cmdStartGame->setEnabled(false);
    QPushButton *cmdBackSinglePlayer = button(this, QStringLiteral("cmdBackSinglePlayer"),
                                              tr("< Back"), 120, 1560, 1095, 375);
    MenuKeys::arrowsSelect(optComputerDifficulty);
    MenuKeys::enterPresses(this, cmdStartGame);

    connect(optComputerDifficulty, &QButtonGroup::idToggled, this,
            [this](int, bool checked) { if (checked) cmdStartGame->setEnabled(true); });
    connect(cmdBackSinglePlayer, &QPushButton::clicked, this, [this] { mFlow.backToGameType(); });
    connect(cmdStartGame, &QPushButton::clicked, this, [this] {
        mFlow.startSinglePlayer(mGameType.chosenType(), optComputerDifficulty->checkedId());
    });
}

QWidget *DifficultyPanel::firstControl() const
{
    return optComputerDifficulty->button(1);
}

void DifficultyPanel::setCaptions(const QStringList &captions)
{
    for (int index = 1; index <= captions.size(); ++index)
        optComputerDifficulty->button(index)->setText(captions[index - 1]);
}

void DifficultyPanel::clearChoice()
{
    cmdStartGame->setEnabled(false);
    WidgetFactory::clearOptions(optComputerDifficulty);
}
