// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/PlacementFlow.h"

#include "board/BoardProcedures.h"
#include "board/FleetPlacement.h"
#include "board/PlacementView.h"
#include "board/ShipKinds.h"
#include "board/GameState.h"

QString PlacementFlow::title()
{
    return tr("Place Your Ships");
}

PlacementFlow::PlacementFlow(GameState &state, PlacementView &view, BoardModel &ownGrid)
    : mState(state)
    , mView(view)
    , mOwnGrid(ownGrid)
{
}

bool PlacementFlow::placed(int ship) const
{
    return !mState.gPlayerShips[ship].isEmpty();
}

qint16 PlacementFlow::GetNextShipType() const
{
    for (int ship = ShipKinds::kShipCount; ship >= 1; --ship)
        if (!placed(ship))
            return qint16(ship);
    return 0;
}

bool PlacementFlow::isOpen() const
{
    return mState.gGamePhase == GameState::PlacingShips
           && !(mState.isNetworkGame() && mState.gShipsPlaced);
}

void PlacementFlow::select(int option)
{
    if (option == 0 || (ShipKinds::isShipNumber(option) && !placed(option)))
        mSelected = option;
    // The old choice's preview would look like a placed ship; the next move or arrow
    // key previews the new one.
    clearPreview();
    showChoices();
}

void PlacementFlow::paintFleet()
{
    ClearGrid(mOwnGrid);
    ReDrawShips(mState.gPlayerShips);
}

void PlacementFlow::clearPreview()
{
    if (!isOpen())
        return;
    paintFleet();
    mView.setNoFit(0, 0);
}

void PlacementFlow::leave()
{
    clearPreview();
    if (isOpen())
        mView.setPlacementCursor(PlacementCursor::Arrow); // nothing is under the pointer
}

void PlacementFlow::hover(int cell)
{
    if (!isOpen())
        return;
    paintFleet();
    Fleet &fleet = mState.gPlayerShips;
    const bool fits = mSelected == 0
                      || fleet[mSelected].CanDrawShip(qint16(cell), mSelected, &mOwnGrid, fleet);
    mView.setNoFit(fits ? 0 : cell, mSelected);
    if (mSelected == 0) {
        mView.setPlacementCursor(PlacementCursor::Remove);
        return;
    }
    if (fits)
        fleet[mSelected].DrawShip(qint16(cell), mSelected, &mOwnGrid);
    mView.setPlacementCursor(fits ? PlacementCursor::Arrow : PlacementCursor::NoDrop);
}

void PlacementFlow::press(int cell)
{
    if (!isOpen())
        return;
    if (mSelected == 0) {
        // The removed ship's pictures stay until the pointer moves again.
        for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot) {
            if (mState.gPlayerShips[slot].cShipIsHit(qint16(cell))) {
                mState.gPlayerShips[slot].DeleteShip();
                showChoices();
                return;
            }
        }
        return;
    }
    clsShip &ship = mState.gPlayerShips[mSelected];
    if (!ship.CanDrawShip(qint16(cell), mSelected, &mOwnGrid, mState.gPlayerShips))
        return;
    ship.CreateShip(qint16(cell), mSelected, &mOwnGrid, true);
    selectNextShip();
}

void PlacementFlow::placeForMe(RandomSource &random)
{
    if (!isOpen())
        return;
    ClearGrid(mOwnGrid); // the preview goes: the board shows the fleet alone
    mView.setNoFit(0, 0);
    placeUnplacedShips(mState.gPlayerShips, mOwnGrid, true, random);
    selectNextShip();
}

void PlacementFlow::selectNextShip()
{
    mSelected = GetNextShipType();
    if (mSelected == 0)
        ReDrawShips(mState.gPlayerShips); // the fleet without a preview
    showChoices();
}

void PlacementFlow::sent()
{
    mView.setNoFit(0, 0);
    mState.gShipsPlaced = true;
    showChoices();
}

void PlacementFlow::reset()
{
    mSelected = ShipKinds::kShipCount;
    showChoices();
}

void PlacementFlow::showChoices()
{
    PlacementChoices choices;
    choices.selected = mSelected;
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship)
        choices.enabled[std::size_t(ship)] = !placed(ship);
    choices.finishEnabled = mState.gPlayerShips.isComplete() && isOpen();
    mView.showPlacementChoices(choices);
}
