#pragma once

class QWidget;

// The control that takes the focus when a part of the window comes into view: the
// part itself when it takes focus (a board, the chat entry), otherwise the first
// control inside it that Tab reaches; for an option group that is its selected
// option, as Tab would choose. Null when the part holds nothing to focus.
QWidget *FirstControl(QWidget *part);
