// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace Velloquin {

// The window and its panels are laid out in twips (1/1440 inch); drawing works in
// pixels. At 96 dots per inch 15 twips make one pixel. This is the one conversion.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Rounded to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace Velloquin
