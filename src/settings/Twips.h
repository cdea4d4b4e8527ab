#pragma once
// The stored window position is in twips (1/1440 inch): 15 per pixel at 96 dots per inch, which
// is what Qt's device-independent pixels are.

namespace sv {

inline constexpr int kTwipsPerPixel = 15;

constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}
// Rounds toward zero, as the stored numbers are whole twips.
constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace sv
