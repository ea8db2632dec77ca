// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/GameTypePanel.h"

#include "main/GameFlow.h"
#include "main/ui/widgets/MenuKeys.h"
#include "records/ui/RecordsControls.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

GameTypePanel::GameTypePanel(QWidget *window, GameFlow &flow)
    : SteelPanel(window, QStringLiteral("picContainerGameType"), tr("Select Game Type"), 0, 0, 3735,
                 2055)
    , mFlow(flow)
{
    using namespace WidgetFactory;
    title(this, tr("Select Game Type"), 120, 60, 3495);
    optGameType = new QButtonGroup(this);
    const QStringList captions = {tr("Single Player"), tr("Multiplayer (Server)"),
                                  tr("Multiplayer (Client)")};
    for (int index = 0; index < captions.size(); ++index)
        optGameType->addButton(option(this, QStringLiteral("optGameType%1").arg(index),
                                      captions[index], 240, 480 + index * 315, 3375, 285),
                               index);
    // Made in reading order, which Tab follows: the options, forward, then back.
    cmdNext = button(this, QStringLiteral("cmdNext"), tr("Next >"), 2520, 1560, 1095,
                     375);
    cmdNext->setEnabled(false);
    QPushButton *cmdLogOff = button(this, QStringLiteral("cmdLogOff"), tr("Log Off"),
                                    120, 1560, 1095, 375);
    MenuKeys::arrowsSelect(optGameType);
    MenuKeys::enterPresses(this, cmdNext);
    QPushButton *cmdRecords = RecordsControls::recordsButton(this);
    QWidget::setTabOrder(cmdLogOff, cmdRecords); // after the forward and back buttons

    // Selected by click, arrow key or a screen reader's toggle: all count as a click.
    connect(optGameType, &QButtonGroup::idToggled, this,
            [this](int, bool checked) { if (checked) cmdNext->setEnabled(true); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { mFlow.next(chosenType()); });
    connect(cmdLogOff, &QPushButton::clicked, this, [this] { mFlow.accounts().logOff(); });
    connect(cmdRecords, &QPushButton::clicked, this, [this] { mFlow.showRecords(); });
}

QWidget *GameTypePanel::firstControl() const
{
    return optGameType->button(0);
}

int GameTypePanel::chosenType() const
{
    return optGameType->checkedId();
}

void GameTypePanel::focusChoice()
{
    QAbstractButton *chosen = optGameType->checkedButton();
    (chosen ? chosen : optGameType->button(0))->setFocus(Qt::OtherFocusReason);
}

void GameTypePanel::clearChoice()
{
    cmdNext->setEnabled(false);
    WidgetFactory::clearOptions(optGameType);
}
