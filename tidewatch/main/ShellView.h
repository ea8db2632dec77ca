// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameState.h"

#include <QStringList>

// What the coordinator tells the window itself: which screen shows, the status line,
// message boxes, cues, waiting, the menu screens' choices and the records.
class ShellView
{
public:
    virtual void showScreen(Screen screen) = 0;
    virtual void setStatus(const QString &text) = 0;
    virtual void warn(const QString &text) = 0;   // exclamation icon, modal
    virtual void inform(const QString &text) = 0; // information icon, modal
    virtual void playCue(Cue cue) = 0;
    // Lets the window handle pending events, once or for `seconds`; false when it closed.
    virtual bool letEventsThrough() = 0;
    virtual bool pause(int seconds) = 0;
    virtual void setDifficultyCaptions(const QStringList &captions) = 0;
    // No game type and no level chosen; Next and Start Game wait for a choice again.
    virtual void clearChoices() = 0;
    // The player's records, until the player closes them, with `note` on what they lack.
    virtual void showRecords(const QString &player, const QString &recordFile,
                             const QString &note) = 0;
    // The line at the end of a game on what became of its record; empty says nothing.
    virtual void setRecordNotice(const QString &text) = 0;

protected:
    ~ShellView() = default;
};
