// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QPushButton;
class QWidget;

// The records' controls on the window's screens; the view they open is RecordsView.
namespace RecordsControls {

// The game-type screen's button that opens the player's records.
QPushButton *recordsButton(QWidget *gameTypePanel);
// Between the Main Menu button and the status line, where the end of a game shows.
QLabel *recordNotice(QWidget *window);

} // namespace RecordsControls
