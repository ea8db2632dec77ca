// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the game goes through here: one OK button, blocking its window
// but not the caller; `closed` runs once the player has closed it.
void showWarning(QWidget *parent, const QString &text, std::function<void()> closed);     // exclamation icon
void showInformation(QWidget *parent, const QString &text, std::function<void()> closed); // information icon
