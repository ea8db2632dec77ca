// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class BoardModel;
class PlacementView;
class RandomSource;
struct GameState;

// Placing the own fleet: the chosen ship previewed under the pointer, placed or removed
// by a press. Which options are on and whether "Finish" is follows from the fleet.
class PlacementFlow
{
    Q_DECLARE_TR_FUNCTIONS(PlacementFlow)

public:
    // The panel's title, also the status line while the fleet is placed.
    static QString title();

    PlacementFlow(GameState &state, PlacementView &view, BoardModel &ownGrid);

    // The player picks an option: 0 "Clear Ship", 1..5 a ship not yet placed.
    void select(int option);
    void hover(int cell);
    // The pointer has left the own board: no preview stays where nothing is placed.
    void leave();
    void press(int cell);
    // "Place for Me": every ship not yet placed, at random.
    void placeForMe(RandomSource &random);

    // Placement takes input in its phase, until a network fleet has gone out: the
    // opponent then holds these positions, so the fleet stays as sent.
    bool isOpen() const;
    // A network fleet has gone out.
    void sent();
    // Main Menu: the panel as at the start, "Battleship" chosen.
    void reset();

    qint16 GetNextShipType() const;

private:
    bool placed(int ship) const;
    void selectNextShip();
    void showChoices();
    void paintFleet();
    void clearPreview();

    GameState &mState;
    PlacementView &mView;
    BoardModel &mOwnGrid;
    int mSelected = 5;
};
