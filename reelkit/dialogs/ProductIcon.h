// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QPixmap>

namespace reelkit {

// The product's 32 x 32 icon: a strip of film with a play mark, drawn at run time.
QPixmap productIcon();

} // namespace reelkit
