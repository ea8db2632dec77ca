// SPDX-License-Identifier: GPL-3.0-or-later
// The records button of the game-type screen, and the records view it opens.

#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "records/RecordsView.h"

#include <QPushButton>

void frmMain::buildRecordsButton()
{
    cmdRecords = WidgetFactory::button(picContainerGameType, QStringLiteral("cmdRecords"),
                                       QStringLiteral("Records"), 1320, 1560, 1095, 375);
    QWidget::setTabOrder(cmdLogOff, cmdRecords); // after the forward and back buttons
    connect(cmdRecords, &QPushButton::clicked, this, &frmMain::cmdRecords_Click);
}

void frmMain::showRecords(const QString &player, const QString &recordFile)
{
    ShowRecords(this, player, recordFile);
}

void frmMain::cmdRecords_Click()
{
    mFlow.showRecords();
}
