// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/CellPicture.h"

#include <QString>

// What a screen reader sees of a board: a table named after the board whose 100
// children are its cells, each named by its place and what it shows.
namespace BoardAccessible {

// Makes every BoardWidget answer with that table; safe to call more than once.
void install();

// "C4, hit", "A1, Battleship", "J10, water": row letter A..J, column 1..10.
QString cellName(int index, CellPicture picture);
// Said after the name of the cell where the chosen ship does not fit.
QString noFitNote(int ship);

} // namespace BoardAccessible
