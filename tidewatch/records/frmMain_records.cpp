// SPDX-License-Identifier: GPL-3.0-or-later
// The records button of the game-type screen, and the records view it opens.

#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "records/RecordsView.h"

#include <QLabel>
#include <QPushButton>

void frmMain::buildRecordsButton()
{
    cmdRecords = WidgetFactory::button(picContainerGameType, QStringLiteral("cmdRecords"),
                                       QStringLiteral("Records"), 1320, 1560, 1095, 375);
    QWidget::setTabOrder(cmdLogOff, cmdRecords); // after the forward and back buttons
    connect(cmdRecords, &QPushButton::clicked, this, &frmMain::cmdRecords_Click);
}

// Between the Main Menu button and the status line, where the end of a game shows.
// Its text is all a screen reader needs: the label has no name of its own.
void frmMain::buildRecordNotice()
{
    lblRecordNotice = WidgetFactory::label(this, QStringLiteral("lblRecordNotice"), QString(),
                                           1335, 6630, 3270, 510);
    lblRecordNotice->setWordWrap(true);
    lblRecordNotice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void frmMain::setRecordNotice(const QString &text)
{
    lblRecordNotice->setText(text);
}

void frmMain::showRecords(const QString &player, const QString &recordFile, const QString &note)
{
    ShowRecords(this, player, recordFile, note);
}

void frmMain::cmdRecords_Click()
{
    mFlow.showRecords();
}
