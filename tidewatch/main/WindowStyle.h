#pragma once

#include <QString>

// The window's look: translucent steel panels over the sea background. Every text
// colour is set here, so the desktop's palette, light or dark, changes none of them.
QString WindowStyleSheet();

// The game's message boxes: their own complete look, so the window's label colours,
// which a box would otherwise inherit, never land on the desktop's box background.
QString MessageBoxStyleSheet();
