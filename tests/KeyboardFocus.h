// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

// Puts the keyboard in a window as a click on its title would: the activation is reported
// to Qt as the window system reports it, since Wayland lets no program activate its own
// window and a test may have no window manager at all. The window's focus goes back to
// the control that had it there. Says whether the window has the keyboard now.
inline bool giveKeyboardTo(QWidget &window)
{
    QWindowSystemInterface::handleWindowActivated(window.windowHandle(), Qt::ActiveWindowFocusReason);
    QWindowSystemInterface::flushWindowSystemEvents();
    return window.isActiveWindow();
}
