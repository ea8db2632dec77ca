// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The chat log lasts the whole run, but a player reads only its last screens: it keeps
// the newest hundred lines, fewer when they are long, and each line is cut to what a
// player can read.
namespace ChatLogLimits {

constexpr qsizetype kLines = 100;
constexpr qsizetype kBytes = 128 * 1024;
constexpr qsizetype kLineChars = 4000;
// What a line costs beyond its text: its block and the layout made when it is added
// (measured: 600 to 700 bytes, rounded up for the allocator's share).
constexpr qsizetype kLineOverheadBytes = 1024;

// The line as the log shows it: cut at kLineChars, with a mark saying so.
QString shown(const QString &line);

// Whether a log of this many characters in this many lines must lose its oldest line.
bool overBudget(qsizetype characters, qsizetype lines);

} // namespace ChatLogLimits
