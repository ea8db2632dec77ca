// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text that came from the other program, made safe to show on one line: a line break
// or other control character inside it would let the peer start a line of its own that
// reads like one of the game's notes.
namespace PeerText {

// Control characters become visible marks: C0 codes their Unicode control pictures
// (CR as U+240D, LF as U+240A), DEL U+2421, and the rest (C1 codes, line and paragraph
// separators) U+FFFD.
QString oneLine(const QString &text);

// A peer's name may be as long as a whole message. Where it is shown it is cut to this
// many characters, the last of them "…"; the game keeps and uses the whole name.
constexpr qsizetype kShownNameLength = 32;

// The name on one line, and no longer than kShownNameLength.
QString shownName(const QString &name);

} // namespace PeerText
