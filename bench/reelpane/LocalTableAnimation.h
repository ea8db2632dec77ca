// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Writes what gifsicle -O3 makes of a 320 x 240 clip with more colours than one table
// holds: a ball whose colours change every frame rolls over a still background.
// gifsicle cuts each frame down to the rectangle that changed and gives most of them
// a colour table of their own, so the file has many small frames, each with a local
// table. The frames are made here; gifsicle must be installed. Returns an empty
// string on success, else what went wrong.
QString writeLocalTableAnimation(const QString &path);
