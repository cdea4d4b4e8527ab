#pragma once
// Colours are kept and stored as 32-bit numbers 0x00BBGGRR (red in the low byte).
#include <QColor>

namespace sv {

inline constexpr int kBgrBlack = 0;
inline constexpr int kBgrRed = 255;       // a locked cell
inline constexpr int kBgrBlue = 16711680; // a player's cell after reset, load or solve
inline constexpr int kBgrWhite = 16777215;

inline QColor FromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
inline int ToBgr(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

} // namespace sv
