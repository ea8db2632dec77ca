#pragma once

#include <QString>

// The chat log lasts the whole run: whatever a peer sends, it keeps roughly its
// newest megabyte, and each line is cut to what a player can read.
namespace ChatLogLimits {

constexpr qsizetype kBytes = 1024 * 1024;
constexpr qsizetype kLineChars = 4000;
// What a line costs beyond its text: its block and its layout (measured: about 1 KB).
constexpr qsizetype kLineOverheadBytes = 1024;

// The line as the log shows it: cut at kLineChars, with a mark saying so.
QString shown(const QString &line);

// Whether a log of this many characters in this many lines must lose its oldest line.
bool overBudget(qsizetype characters, qsizetype lines);

} // namespace ChatLogLimits
