// SPDX-License-Identifier: GPL-3.0-or-later
// The opponent board takes the player's shots; the computer's pause lets the window work.

#include "main/frmMain.h"

#include <QDateTime>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

void frmMain::imgPlayer2Grid_MouseDown(int index)
{
    mFlow.battle().playerFires(index);
}

// WaitSeconds: ends at the first whole-second tick that lies `seconds` after the
// current whole second, like reading the clock to the second; the window keeps working.
bool frmMain::pause(int seconds)
{
    if (seconds <= 0)
        return !mClosing;
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 endMs = (nowMs / 1000 + seconds) * 1000;
    QPointer<frmMain> self(this);
    QEventLoop pause;
    QTimer::singleShot(int(endMs - nowMs), &pause, &QEventLoop::quit);
    pause.exec();
    return self && !mClosing;
}
