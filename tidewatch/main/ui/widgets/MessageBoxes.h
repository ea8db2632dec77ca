// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Every message box of the game goes through here: modal, one OK button.
void ShowWarning(QWidget *parent, const QString &text);     // exclamation icon
void ShowInformation(QWidget *parent, const QString &text); // information icon
