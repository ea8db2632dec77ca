// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The window's backdrop as a picture: the radar animation repeats the part it covers.
QImage backgroundPicture(int scale);
