// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Writes frames of width x height whose image data codes their first row only: a
// file of a few hundred bytes per frame that describes pictures of any size. Returns
// an error text, empty on success.
QString writeOneRowAnimation(const QString &path, int frames, int width, int height);
