// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/WindowSystem.h"

bool windowSystemLetsProgramsPlaceWindows(QStringView platformName)
{
    // Qt names its Wayland plugins "wayland", "wayland-egl", "wayland-xcomposite-glx"...
    return !platformName.startsWith(u"wayland");
}
