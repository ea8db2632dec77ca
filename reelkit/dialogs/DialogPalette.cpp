// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/DialogPalette.h"

namespace reelkit {

QPalette classicDialogPalette()
{
    const QColor face(0xf0, 0xf0, 0xf0);
    const QColor ink(0x00, 0x00, 0x00);
    const QColor greyedInk(0x5c, 0x5c, 0x5c); // 6 : 1 on the face colour
    QPalette palette(ink, face, Qt::white, QColor(0x69, 0x69, 0x69), QColor(0xa0, 0xa0, 0xa0), ink,
                     Qt::white, Qt::white, face);
    palette.setColor(QPalette::Midlight, QColor(0xe3, 0xe3, 0xe3));
    palette.setColor(QPalette::Shadow, ink);
    palette.setColor(QPalette::ButtonText, ink);
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x5a, 0xb4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xff));
    palette.setColor(QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
    palette.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xe1));
    palette.setColor(QPalette::ToolTipText, ink);
    palette.setColor(QPalette::PlaceholderText, greyedInk);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyedInk);
    return palette;
}

} // namespace reelkit
