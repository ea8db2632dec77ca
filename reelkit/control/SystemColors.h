// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QColor>
#include <QPalette>

#include <optional>

namespace reelkit {

// A 32-bit colour value: red in the lowest byte, or with the top bit set a system
// colour by its index. Empty for a system index that does not exist.
std::optional<QColor> colorFromValue(quint32 value, const QPalette &palette);

} // namespace reelkit
