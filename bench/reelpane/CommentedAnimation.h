// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Writes a GIF89a file whose header holds a comment of commentBytes before the
// first frame marker, followed by that many one-pixel frames: the case where a
// split that repeats the header per frame costs header size x frames. Returns an
// empty string on success, else the file's error.
QString writeCommentedAnimation(const QString &path, qint64 commentBytes, int frames);
