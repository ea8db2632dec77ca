// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Every colour of the window's look, in one place. The window sets each text colour
// itself, so the desktop's palette, light or dark, changes none of them.
namespace StyleColours {

// Translucent steel panels over the sea background.
inline const QColor kPanel(8, 24, 44, 215);
inline const QColor kPanelBorder(0x4f, 0x7e, 0xa8);

inline const QColor kText(0xdb, 0xe8, 0xf5);
inline const QColor kTitle(0x9f, 0xd3, 0xff);
inline const QColor kStatus(0xff, 0xe9, 0xa8);

inline const QColor kOptionFocusText(0xff, 0xff, 0xff);
inline const QColor kOptionFocus(0x23, 0x50, 0x7a);
inline const QColor kOptionDisabledText(0x9a, 0xab, 0xbd);
inline const QColor kIndicator(0x0d, 0x22, 0x38);
inline const QColor kIndicatorBorder(0x8f, 0xb7, 0xda);
inline const QColor kIndicatorDisabledBorder(0x4a, 0x5d, 0x70);
inline const QColor kIndicatorDotCentre(0xd8, 0xf0, 0xff);
inline const QColor kIndicatorDot(0x7c, 0xc4, 0xff);

inline const QColor kButtonText(0xea, 0xf3, 0xfb);
inline const QColor kButton(0x2c, 0x53, 0x78);
inline const QColor kButtonHover(0x3a, 0x68, 0x94);
inline const QColor kButtonPressed(0x20, 0x3f, 0x5c);
inline const QColor kButtonDisabledText(0xa9, 0xb8, 0xc8);
inline const QColor kButtonDisabled(0x25, 0x3a, 0x4f);
inline const QColor kButtonDisabledBorder(0x3d, 0x54, 0x6b);
inline const QColor kFocus(0xff, 0xd8, 0x4a);

// Fields, the chat log and the player list: dark text on a light field.
inline const QColor kFieldText(0x0d, 0x1b, 0x2a);
inline const QColor kField(0xee, 0xf5, 0xfb);
inline const QColor kFieldBorder(0x6b, 0x9c, 0xc7); // also the window's button border
inline const QColor kSelectionText(0xff, 0xff, 0xff);
inline const QColor kSelection(0x2c, 0x53, 0x78);

// Message boxes: a dark box of their own, whatever the desktop's dialogs look like.
inline const QColor kBox(0x10, 0x2a, 0x44);
inline const QColor kBoxButtonBorder(0x8f, 0xb7, 0xda);

} // namespace StyleColours
