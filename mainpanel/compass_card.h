// The compass card and its window, shared by the Wiskey record and the art
// program: the card's travel over the x range fixes where every tick and
// label is printed.
#pragma once

inline constexpr int kCompassCardWidth    = 651;  // bitmap 273
inline constexpr int kCompassWindowWidth  = 75;   // bitmap 274, the id after the card's
inline constexpr int kCompassHeight       = 30;   // card and window alike
inline constexpr double kCompassCardRange = 360;  // x range of the moving image, 0 to 360

// Under the window's lubber line (its middle column) lies card column
// kCompassLubber + v * kCompassPixelsPerUnit for a value v: 1.6 pixels per
// unit, so ticks every 5 units fall 8 pixels apart and labels every 30 units
// 48 pixels apart.
inline constexpr int kCompassLubber = kCompassWindowWidth / 2;  // 37
inline constexpr double kCompassPixelsPerUnit =
    (kCompassCardWidth - kCompassWindowWidth) / kCompassCardRange;
