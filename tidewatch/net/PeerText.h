// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text that came from the other program, made safe to show on one line: a line break
// or other control character inside it would let the peer start a line of its own that
// reads like one of the game's notes, and an invisible or direction-changing character
// would let it pass for another name or turn the game's own words around it.
namespace PeerText {

// Control and format characters become visible marks: C0 codes their Unicode control
// pictures (CR as U+240D, LF as U+240A), DEL U+2421, and the rest (C1 codes, line and
// paragraph separators, format characters such as U+200B or U+202E, half characters)
// U+FFFD.
QString oneLine(const QString &text);

// The text on one line, set apart from the text around it: where it holds right-to-left
// characters it is wrapped in a first-strong isolate (U+2068 ... U+2069), so its
// direction cannot reorder the words beside it. For display only, never for the wire.
QString isolated(const QString &text);

// Shown text (made by the functions here) cut to at most `length` characters, never
// inside a character, with every isolate it opened closed again.
QString cut(const QString &shown, qsizetype length);

// A peer's name may be as long as a whole message. Where it is shown it is cut to this
// many characters, the last of them "…"; the game keeps and uses the whole name.
constexpr qsizetype kShownNameLength = 32;

// The name isolated, and no longer than kShownNameLength.
QString shownName(const QString &name);

} // namespace PeerText
