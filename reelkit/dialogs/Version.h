// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

namespace reelkit {

inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 3;

} // namespace reelkit
