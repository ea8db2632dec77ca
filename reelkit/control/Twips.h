// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

// Positions are kept in twips (1/1440 inch); 96 dots per inch throughout, so 15 twips
// make a pixel. The one conversion of the library and of the game built on it.
namespace reelkit {

inline constexpr int kTwipsPerPixel = 15;

// The nearest pixel. A position given in half twips can fall half-way between two
// pixels; it goes to the even one, so a row of such positions does not drift one way.
constexpr int twipsToPixels(double twips)
{
    const double pixels = twips / kTwipsPerPixel;
    long long whole = static_cast<long long>(pixels); // towards zero
    if (double(whole) > pixels)
        --whole;
    const double fraction = pixels - double(whole);
    return int(fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0) ? whole + 1 : whole);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

static_assert(twipsToPixels(7) == 0 && twipsToPixels(8) == 1 && twipsToPixels(5150) == 343);
static_assert(twipsToPixels(2767.5) == 184 && twipsToPixels(2782.5) == 186);
static_assert(twipsToPixels(-8) == -1 && twipsToPixels(-7) == 0);

} // namespace reelkit
