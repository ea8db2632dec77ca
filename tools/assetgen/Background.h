#pragma once

#include <QImage>

// The window's backdrop, 699 x 479: a dark, calm sea under the panels and boards.
QImage backgroundPicture(int scale);
