#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The window is laid out in twips (1/1440 inch), as its design tables give it.
// This is the one place they become pixels: 15 twips per pixel at 96 dpi.
namespace Twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(double twips) { return int(twips / kPerPixel); }
constexpr QPoint point(double left, double top) { return {toPixels(left), toPixels(top)}; }
constexpr QSize size(double width, double height) { return {toPixels(width), toPixels(height)}; }
constexpr QRect rect(double left, double top, double width, double height)
{
    return {point(left, top), size(width, height)};
}

} // namespace Twips
