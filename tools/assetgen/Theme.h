// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The shared naval palette: deep blues for the sea, steel greys for ships, phosphor green for radar.
namespace theme {

inline const QColor seaNight{0x06, 0x12, 0x22};
inline const QColor seaDeep{0x0b, 0x22, 0x3c};
inline const QColor seaMid{0x1b, 0x4f, 0x80};
inline const QColor seaLight{0x25, 0x62, 0x96};
inline const QColor cellShadow{0x0a, 0x22, 0x3d};

inline const QColor steelDark{0x3f, 0x4a, 0x56};
inline const QColor steel{0x7e, 0x8a, 0x97};
inline const QColor steelLight{0xb4, 0xbe, 0xc8};
inline const QColor steelPale{0xdc, 0xe3, 0xea};
inline const QColor outline{0x15, 0x1b, 0x22};
inline const QColor gunMetal{0x24, 0x2b, 0x33};
inline const QColor antifouling{0x8a, 0x2a, 0x24};

inline const QColor phosphor{0x4c, 0xff, 0x86};
inline const QColor phosphorDim{0x1c, 0x8a, 0x45};
inline const QColor foam{0xf2, 0xf8, 0xff};
inline const QColor alarmRed{0xff, 0x4a, 0x36};

} // namespace theme
