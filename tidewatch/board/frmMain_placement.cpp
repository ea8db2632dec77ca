// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the fleet on the own board, and "Finish".

#include "board/BoardAccessible.h"
#include "board/BoardWidget.h"
#include "board/ShipKinds.h"
#include "main/Artwork.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

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
    // Selected by click, arrow key or a screen reader's toggle: all count as a click.
    connect(optSelectedShipGroup, &QButtonGroup::idToggled, this,
            [this](int id, bool checked) { if (checked) optSelectedShip_Click(id); });
    connect(cmdFinishPlacingShips, &QPushButton::clicked, this,
            &frmMain::cmdFinishPlacingShips_Click);
}

void frmMain::showPlacementChoices(const PlacementChoices &choices)
{
    const QSignalBlocker quiet(optSelectedShipGroup); // the flow's own choice is no click
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship)
        optSelectedShip[ship]->setEnabled(choices.enabled[std::size_t(ship)]);
    optSelectedShipGroup->button(choices.selected)->setChecked(true);
    cmdFinishPlacingShips->setEnabled(choices.finishEnabled);
}

void frmMain::setPlacementCursor(PlacementCursor cursor)
{
    switch (cursor) {
    case PlacementCursor::Arrow:
        picContainerPlayer1->setCursor(Qt::ArrowCursor);
        break;
    case PlacementCursor::NoDrop:
        picContainerPlayer1->setCursor(Qt::ForbiddenCursor);
        break;
    case PlacementCursor::Remove:
        picContainerPlayer1->setCursor(QCursor(Artwork::pixmap(QStringLiteral("cursor_remove"))));
        break;
    }
}

void frmMain::setNoFit(int cell, int ship)
{
    imgPlayer1Grid->setNoFit(cell, cell == 0 ? QString() : BoardAccessible::noFitNote(ship));
}

void frmMain::optSelectedShip_Click(int index)
{
    mFlow.placement().select(index);
}

void frmMain::imgPlayer1Grid_MouseMove(int index)
{
    mFlow.placement().hover(index);
}

void frmMain::imgPlayer1Grid_MouseDown(int index)
{
    mFlow.placement().press(index);
}

void frmMain::cmdPlaceForMe_Click()
{
    mFlow.placeForMe();
}

void frmMain::cmdFinishPlacingShips_Click()
{
    mFlow.finishPlacing();
}
