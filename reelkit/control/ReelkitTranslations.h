// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "reelkit_export.h"

#include <QString>

namespace reelkit {

// The folder of Reelkit's own translations, reelkit_<language>.qm (for example
// reelkit_de.qm), which a program loads beside its own to show Reelkit's dialogs in
// its language. A build tree keeps them in translations/ beside the library; an
// installed library finds them at REELKIT_INSTALL_TRANSLATIONSDIR relative to itself.
REELKIT_EXPORT QString translationsFolder();

} // namespace reelkit
