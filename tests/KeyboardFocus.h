// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <wayland-client.h>

// Lets a Wayland compositor say all it has to say about the windows shown so far before a
// test moves the keyboard. It activates each window it maps, some of that only once idle,
// and Qt settles which window has the keyboard only after a round trip of its own: news
// that came later would take the keyboard back from the window the test gave it to. The
// windows are drawn first, which maps them; then round trips until two in a row bring
// nothing but their own answer. Other window systems have nothing pending here.
inline void settleWindowSystem()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !QTest::qWaitForWindowExposed(window))
            qWarning("%s was never shown", qPrintable(window->objectName()));
    auto *display = static_cast<wl_display *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    for (int trip = 0, quiet = 0; trip < 10 && quiet < 2; ++trip) {
        quiet = wl_display_roundtrip(display) == 1 ? quiet + 1 : 0;
        QWindowSystemInterface::flushWindowSystemEvents();
    }
}

// Puts the keyboard in a window as a click on its title would: the activation is reported
// to Qt as the window system reports it, since Wayland lets no program activate its own
// window and a test may have no window manager at all. The window's focus goes back to
// the control that had it there, also when Qt counted it active already: on Wayland a
// window the compositor still counts active can take the focus from it. Says whether the
// window has the keyboard now.
inline bool giveKeyboardTo(QWidget &window)
{
    settleWindowSystem();
    QWindowSystemInterface::handleWindowActivated(window.windowHandle(), Qt::ActiveWindowFocusReason);
    QWindowSystemInterface::flushWindowSystemEvents();
    const auto focusIsInside = [&window] {
        return !QApplication::focusWidget() || QApplication::focusWidget()->window() == &window;
    };
    if (!focusIsInside() && window.focusWidget())
        window.focusWidget()->setFocus(Qt::ActiveWindowFocusReason);
    return window.isActiveWindow() && focusIsInside();
}
