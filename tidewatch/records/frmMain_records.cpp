// The records button of the game-type screen, and counting each game as it ends.

#include "main/ModalGate.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "records/GameRecording.h"
#include "records/RecordsView.h"

#include <QPushButton>

void frmMain::buildRecordsButton()
{
    cmdRecords = WidgetFactory::button(picContainerGameType, QStringLiteral("cmdRecords"),
                                       QStringLiteral("Records"), 1320, 1560, 1095, 375);
    QWidget::setTabOrder(cmdLogOff, cmdRecords); // after the forward and back buttons
    connect(cmdRecords, &QPushButton::clicked, this, &frmMain::cmdRecords_Click);
}

void frmMain::cmdRecords_Click()
{
    mGate->boxOpened();
    ShowRecords(this, state.gPlayerName, RecordFileBeside(mAccountFile));
    mGate->boxClosed();
}

void frmMain::countGameEnd(GameOutcome outcome)
{
    // Keeping the record never holds up the game: a file that cannot be written
    // leaves the old record as it was.
    QString error;
    if (RecordableGame(state) && !CountGame(RecordFileBeside(mAccountFile), state, outcome, &error))
        qWarning("The game could not be counted in the records: %s", qPrintable(error));
}
