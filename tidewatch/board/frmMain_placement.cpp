// Placing the fleet on the own board, and "Finish".

#include "battle/FleetPlacement.h"
#include "board/BoardAccessible.h"
#include "board/BoardProcedures.h"
#include "board/BoardWidget.h"
#include "board/ShipKinds.h"
#include "main/Artwork.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "net/Winsock.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

void frmMain::buildPlacementPanel()
{
    using namespace WidgetFactory;
    picContainerShipPlace = panel(this, QStringLiteral("picContainerShipPlace"),
                                  QStringLiteral("Place Your Ships"), 5400, 1440, 4785, 5150);
    title(picContainerShipPlace, QStringLiteral("Place Your Ships"), 240, 120, 4305);
    optSelectedShipGroup = new QButtonGroup(this);
    for (int ship = ShipKinds::kShipCount; ship >= 1; --ship) {
        const int top = 480 + (ShipKinds::kShipCount - ship) * 360;
        QLabel *picture = label(picContainerShipPlace, QStringLiteral("imgShipPicture%1").arg(ship),
                                QString(), 360, top, 1095, 315);
        picture->setPixmap(Artwork::pixmap(QStringLiteral("shipicon%1").arg(ship)));
        picture->setAccessibleName(ShipKinds::name(ship));
        optSelectedShip[ship] = option(picContainerShipPlace,
                                       QStringLiteral("optSelectedShip%1").arg(ship),
                                       ShipKinds::name(ship), 1680, top, 2055, 255);
        optSelectedShipGroup->addButton(optSelectedShip[ship], ship);
    }
    optSelectedShipClear = option(picContainerShipPlace, QStringLiteral("optSelectedShipClear"),
                                  QStringLiteral("Clear Ship"), 1680, 2280, 2055, 255);
    optSelectedShipGroup->addButton(optSelectedShipClear, 0);
    optSelectedShip[5]->setChecked(true);
    cmdPlaceForMe = button(picContainerShipPlace, QStringLiteral("cmdPlaceForMe"),
                           QStringLiteral("Place for Me"), 1680, 4560, 1680, 375);
    cmdPlaceForMe->setToolTip(QStringLiteral("Places every ship not yet placed at random."));
    cmdPlaceForMe->setAccessibleDescription(cmdPlaceForMe->toolTip());
    connect(cmdPlaceForMe, &QPushButton::clicked, this, &frmMain::cmdPlaceForMe_Click);
    cmdFinishPlacingShips = button(picContainerShipPlace, QStringLiteral("cmdFinishPlacingShips"),
                                   QStringLiteral("Finish"), 3480, 4560, 1095, 375);
    cmdFinishPlacingShips->setEnabled(false);
    connect(cmdFinishPlacingShips, &QPushButton::clicked, this,
            &frmMain::cmdFinishPlacingShips_Click);
}

qint16 frmMain::GetSelectedShipType() const
{
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship)
        if (optSelectedShip[ship]->isChecked())
            return qint16(ship);
    return 0;
}

qint16 frmMain::GetNextShipType() const
{
    for (int ship = ShipKinds::kShipCount; ship >= 1; --ship)
        if (optSelectedShip[ship]->isEnabled())
            return qint16(ship);
    return 0;
}

// After "Finish" in a network game the opponent holds these positions: the fleet
// stays frozen until the battle, so both sides judge shots against the same ships.
bool frmMain::placementOpen() const
{
    return state.gGamePhase == GameState::PlacingShips
           && !(state.isNetworkGame() && state.gShipsPlaced);
}

// Every game places afresh: flags left by an earlier network game must not freeze
// the new fleet.
void frmMain::beginPlacement()
{
    state.gShipsPlaced = false;
    state.gOpponentShipsPlaced = false;
    ClearGrid(player1Grid);
    state.gGamePhase = GameState::PlacingShips;
    imgPlayer1Grid->setNoFit(0, {});
    lblStatus->setText(QStringLiteral("Place Your Ships"));
    showScreen(Screen::Placement);
}

void frmMain::imgPlayer1Grid_MouseMove(int index)
{
    if (!placementOpen())
        return;
    ClearGrid(player1Grid);
    ReDrawShips(state.gPlayerShips);
    const qint16 ship = GetSelectedShipType(); // 0 in removal mode
    const bool fits = ship == 0
                      || state.gPlayerShips[ship].CanDrawShip(qint16(index), ship, &player1Grid,
                                                              state.gPlayerShips);
    imgPlayer1Grid->setNoFit(fits ? 0 : index, BoardAccessible::noFitNote(ship));
    if (optSelectedShipClear->isChecked()) {
        picContainerPlayer1->setCursor(QCursor(Artwork::pixmap(QStringLiteral("cursor_remove"))));
        return;
    }
    picContainerPlayer1->setCursor(fits ? Qt::ArrowCursor : Qt::ForbiddenCursor);
    if (ship != 0 && fits)
        state.gPlayerShips[ship].DrawShip(qint16(index), ship, &player1Grid);
}

void frmMain::imgPlayer1Grid_MouseDown(int index)
{
    if (!placementOpen())
        return;
    if (optSelectedShipClear->isChecked()) {
        for (int slot = 1; slot <= Fleet::kSlots; ++slot) {
            if (state.gPlayerShips[slot].cShipIsHit(qint16(index))) {
                state.gPlayerShips[slot].DeleteShip();
                optSelectedShip[slot]->setEnabled(true);
                cmdFinishPlacingShips->setEnabled(false);
                return;
            }
        }
        return;
    }
    const qint16 ship = GetSelectedShipType();
    if (ship == 0)
        return;
    clsShip &placed = state.gPlayerShips[ship];
    if (!placed.CanDrawShip(qint16(index), ship, &player1Grid, state.gPlayerShips))
        return;
    placed.CreateShip(qint16(index), ship, &player1Grid, true);
    optSelectedShip[ship]->setEnabled(false);
    selectNextShip();
}

void frmMain::selectNextShip()
{
    if (const qint16 next = GetNextShipType(); next != 0) {
        optSelectedShip[next]->setChecked(true);
    } else {
        optSelectedShipClear->setChecked(true);
        ReDrawShips(state.gPlayerShips);
        cmdFinishPlacingShips->setEnabled(true);
    }
}

void frmMain::cmdPlaceForMe_Click()
{
    if (!placementOpen())
        return;
    ClearGrid(player1Grid); // the preview goes: the board shows the fleet alone
    imgPlayer1Grid->setNoFit(0, {});
    PlaceUnplacedShips(state.gPlayerShips, player1Grid, true, *mRandom);
    for (int slot = 1; slot <= Fleet::kSlots; ++slot)
        optSelectedShip[slot]->setEnabled(false);
    selectNextShip();
}

void frmMain::cmdFinishPlacingShips_Click()
{
    // Only a fleet being placed can be finished: after a game has ended, or once a
    // network fleet has gone out, the button must not start anything.
    if (!placementOpen())
        return;
    imgPlayer1Grid->setNoFit(0, {});
    if (state.gGameType == GameState::SinglePlayer) {
        picContainerPlayer1->setCursor(Qt::ArrowCursor);
        ClearGrid(player2Grid);
        PlaceComputerFleet(state.gOpponentShips, player2Grid, state.gRevealMode, *mRandom);
        state.gGamePhase = GameState::Battle;
        state.gMyTurn = true;
        lblStatus->setText(QStringLiteral("Game Ready... Your Turn"));
        showScreen(Screen::Battle);
        StartHardLevel(hardLevel);
    } else if (state.isNetworkGame()) {
        picContainerPlayer1->setCursor(Qt::ArrowCursor);
        cmdFinishPlacingShips->setEnabled(false);
        state.gShipsPlaced = true;
        ClearGrid(player2Grid);
        if (state.gRevealMode)
            ReDrawShips(state.gOpponentShips);
        Protocol::PlaceShips fleet;
        for (int slot = 1; slot <= Fleet::kSlots; ++slot)
            fleet.starts[slot - 1] = state.gPlayerShips[slot].ShipIndex();
        fleet.name = state.gPlayerName;
        send(fleet);
        CheckGameReady();
    }
}
