// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QWidget;

// The keys of a menu screen, as desktop dialogs have them: the arrow keys move the
// choice among a screen's options (not only the focus), and Enter anywhere on the
// screen presses its forward button, except on a focused button, which Enter presses.
namespace MenuKeys {

// Arrow keys on an option of the group select the option above or below it.
void arrowsSelect(QButtonGroup *group);
// Enter or Return on any control of the panel presses `forward` while it is enabled.
void enterPresses(QWidget *panel, QPushButton *forward);

} // namespace MenuKeys
