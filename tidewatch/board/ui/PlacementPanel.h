// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/PlacementView.h"
#include "main/ui/widgets/WidgetFactory.h"

#include <array>

class BoardPanel;
class GameFlow;
class QButtonGroup;
class QPushButton;
class QRadioButton;

// The placement screen's panel beside the own board: the ship to place, Clear Ship,
// Place for Me and Finish. The pointer and the keyboard place on the own board.
class PlacementPanel final : public SteelPanel, public PlacementView
{
    Q_OBJECT

public:
    // The flow may be built after its views; the panel calls it only from its controls,
    // which build() makes with the play screens.
    PlacementPanel(QWidget *window, GameFlow &flow);
    void build(BoardPanel &ownBoard);

    void showPlacementChoices(const PlacementChoices &choices) override;
    void setPlacementCursor(PlacementCursor cursor) override;
    void setNoFit(int cell, int ship) override;

private:
    GameFlow &mFlow;
    BoardPanel *mOwnBoard = nullptr;
    QButtonGroup *optSelectedShipGroup = nullptr; // ids 0 "Clear Ship", 1..5 ships
    std::array<QRadioButton *, 6> optSelectedShip{}; // [1..5]; [0] unused
    QPushButton *cmdFinishPlacingShips = nullptr;
};
