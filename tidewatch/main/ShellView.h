// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameState.h"

#include <QStringList>

#include <functional>

// What the coordinator tells the window itself: which screen shows, the status line,
// message boxes, cues, the menu screens' choices and the records.
class ShellView
{
public:
    virtual void showScreen(Screen screen) = 0;
    virtual void setStatus(const QString &text) = 0;
    // Boxes block the window, not the caller: `closed` runs once the player closes them.
    virtual void warn(const QString &text, std::function<void()> closed) = 0;   // exclamation icon
    virtual void inform(const QString &text, std::function<void()> closed) = 0; // information icon
    virtual void playCue(Cue cue) = 0;
    virtual void setDifficultyCaptions(const QStringList &captions) = 0;
    // No game type and no level chosen; Next and Start Game wait for a choice again.
    virtual void clearChoices() = 0;
    // The player's records, until the player closes them, with `note` on what they lack.
    virtual void showRecords(const QString &player, const QString &recordFile,
                             const QString &note, std::function<void()> closed) = 0;
    // The line at the end of a game on what became of its record; empty says nothing.
    virtual void setRecordNotice(const QString &text) = 0;

protected:
    ~ShellView() = default;
};
