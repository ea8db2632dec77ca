#pragma once

#include <QString>

// The window's look: translucent steel panels over the sea background.
QString WindowStyleSheet();
