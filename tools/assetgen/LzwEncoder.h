// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// GIF's variable-width LZW for 8-bit pixel indices (minimum code size 8), codes packed
// least significant bit first. The table is cleared once it holds `tableLimit` codes
// (at most 4096); a lower limit changes the bytes without changing the picture, which
// lets the caller steer clear of byte sequences it must not produce.
QByteArray lzwEncode(const QByteArray &indices, int tableLimit = 4096);

inline constexpr int kLzwMinimumCodeSize = 8;
