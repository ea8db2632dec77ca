// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QPalette>

namespace reelkit {

// The classic light colours both dialogs are drawn in, whatever the desktop's
// palette: their white panels stay white, so every text on them must stay dark.
QPalette classicDialogPalette();

} // namespace reelkit
