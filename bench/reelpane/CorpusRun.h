// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Measures every GIF file of a folder, one line each, then the worst ratio over the
// files of at least kGoalFileBytes. Returns the process exit code.
int measureFolder(const QString &folder, bool qtDecoder);

// Loads the files whose header holds a large comment (see CommentedAnimation.h).
int measureCommentedHeaders(bool qtDecoder);

// Loads what gifsicle -O3 makes of a clip of many colours (see LocalTableAnimation.h).
int measureLocalTables(bool qtDecoder);

inline constexpr qint64 kGoalFileBytes = 50000;
