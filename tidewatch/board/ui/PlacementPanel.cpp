// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ui/PlacementPanel.h"

#include "board/PlacementFlow.h"
#include "board/ShipKinds.h"
#include "board/ui/BoardAccessible.h"
#include "board/ui/BoardPanel.h"
#include "board/ui/BoardWidget.h"
#include "main/GameFlow.h"
#include "main/ui/widgets/Artwork.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

PlacementPanel::PlacementPanel(QWidget *window, GameFlow &flow)
    : SteelPanel(window, QStringLiteral("picContainerShipPlace"),
                 PlacementFlow::title(), 5400, 1440, 4785, 5150)
    , mFlow(flow)
{
}

void PlacementPanel::build(BoardPanel &ownBoard)
{
    using namespace WidgetFactory;
    mOwnBoard = &ownBoard;
    title(this, PlacementFlow::title(), 240, 120, 4305);
    optSelectedShipGroup = new QButtonGroup(this);
    for (int ship = ShipKinds::kShipCount; ship >= 1; --ship) {
        const int top = 480 + (ShipKinds::kShipCount - ship) * 360;
        QLabel *picture = label(this, QStringLiteral("imgShipPicture%1").arg(ship), QString(), 360,
                                top, 1095, 315);
        picture->setPixmap(Artwork::pixmap(QStringLiteral("shipicon%1").arg(ship)));
        picture->setAccessibleName(ShipKinds::name(ship));
        optSelectedShip[ship] = option(this, QStringLiteral("optSelectedShip%1").arg(ship),
                                       ShipKinds::name(ship), 1680, top, 2055, 255);
        optSelectedShipGroup->addButton(optSelectedShip[ship], ship);
    }
    QRadioButton *optSelectedShipClear = option(this, QStringLiteral("optSelectedShipClear"),
                                                tr("Clear Ship"), 1680, 2280, 2055, 255);
    optSelectedShipGroup->addButton(optSelectedShipClear, 0);
    optSelectedShip[5]->setChecked(true);
    QPushButton *cmdPlaceForMe = button(this, QStringLiteral("cmdPlaceForMe"),
                                        tr("Place for Me"), 1680, 4560, 1680, 375);
    cmdPlaceForMe->setToolTip(tr("Places every ship not yet placed at random."));
    cmdPlaceForMe->setAccessibleDescription(cmdPlaceForMe->toolTip());
    connect(cmdPlaceForMe, &QPushButton::clicked, this, [this] { mFlow.placeForMe(); });
    cmdFinishPlacingShips = button(this, QStringLiteral("cmdFinishPlacingShips"),
                                   tr("Finish"), 3480, 4560, 1095, 375);
    cmdFinishPlacingShips->setEnabled(false);
    // Selected by click, arrow key or a screen reader's toggle: all count as a click.
    connect(optSelectedShipGroup, &QButtonGroup::idToggled, this,
            [this](int id, bool checked) { if (checked) mFlow.placement().select(id); });
    connect(cmdFinishPlacingShips, &QPushButton::clicked, this, [this] { mFlow.finishPlacing(); });
    connect(ownBoard.grid(), &BoardWidget::cellHovered, this,
            [this](int index) { mFlow.placement().hover(index); });
    connect(ownBoard.grid(), &BoardWidget::pointerLeft, this,
            [this] { mFlow.placement().leave(); });
    connect(ownBoard.grid(), &BoardWidget::cellPressed, this,
            [this](int index) { mFlow.placement().press(index); });
}

void PlacementPanel::showPlacementChoices(const PlacementChoices &choices)
{
    const QSignalBlocker quiet(optSelectedShipGroup); // the flow's own choice is no click
    for (int ship = 1; ship <= ShipKinds::kShipCount; ++ship)
        optSelectedShip[ship]->setEnabled(choices.enabled[std::size_t(ship)]);
    optSelectedShipGroup->button(choices.selected)->setChecked(true);
    // Qt moves a radio group's Tab stop only when an option takes the focus; the flow
    // also chooses, so Tab from the board reaches the option chosen now.
    for (QAbstractButton *option : optSelectedShipGroup->buttons())
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    cmdFinishPlacingShips->setEnabled(choices.finishEnabled);
}

void PlacementPanel::setPlacementCursor(PlacementCursor cursor)
{
    switch (cursor) {
    case PlacementCursor::Arrow:
        mOwnBoard->setCursor(Qt::ArrowCursor);
        break;
    case PlacementCursor::NoDrop:
        mOwnBoard->setCursor(Qt::ForbiddenCursor);
        break;
    case PlacementCursor::Remove:
        mOwnBoard->setCursor(QCursor(Artwork::pixmap(QStringLiteral("cursor_remove"))));
        break;
    }
}

void PlacementPanel::setNoFit(int cell, int ship)
{
    mOwnBoard->grid()->setNoFit(cell, cell == 0 ? QString() : BoardAccessible::noFitNote(ship));
}
