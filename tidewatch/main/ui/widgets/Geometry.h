// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Twips.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The window is laid out in twips (1/1440 inch), as its design tables give it; they
// become pixels by the one conversion the window shares with its Reelpane.
namespace Twips {

constexpr int kPerPixel = reelkit::kTwipsPerPixel;

constexpr int toPixels(double twips) { return reelkit::twipsToPixels(twips); }
constexpr QPoint point(double left, double top) { return {toPixels(left), toPixels(top)}; }
constexpr QSize size(double width, double height) { return {toPixels(width), toPixels(height)}; }
constexpr QRect rect(double left, double top, double width, double height)
{
    return {point(left, top), size(width, height)};
}

} // namespace Twips
