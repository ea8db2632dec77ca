// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Whether the window system behind Qt's platform plugin (QGuiApplication::platformName())
// lets a program put its own window at a place on the screen. Wayland keeps that to the
// compositor: a move() there is ignored, so the window leaves it out.
bool windowSystemLetsProgramsPlaceWindows(QStringView platformName);
