// The HSI's pictures and where they sit. The gauge records and the art
// program both read this table, so the point a needle turns about is
// always the point its picture was drawn around.
#pragma once

#include <cstdint>

#include "gauge.h"

namespace hsi {

struct Picture {
  int32_t id;
  int32_t width, height;
  Point32 pivot;  // needles: the picture's point that sits on the element's position
};

//                                          id    W    H   pivot
inline constexpr Picture kBezel           {272, 354, 351, {0, 0}};
inline constexpr Picture kLeftKnob        {274,  64,  64, {32, 32}};
inline constexpr Picture kRightKnob       {275,  64,  64, {32, 32}};
inline constexpr Picture kToArrow         {276,  30,  36, {-20, 60}};
inline constexpr Picture kFromArrow       {277,  30,  36, {-20, 60}};
inline constexpr Picture kHeadingBug      {278,  32,  31, {15, 130}};
inline constexpr Picture kGlideslopePtr   {279,  15,  19, {0, 0}};
inline constexpr Picture kCoursePointer   {280, 177, 218, {87, 109}};
inline constexpr Picture kCard            {281, 256, 256, {127, 127}};
inline constexpr Picture kDeviationBar    {288, 256, 256, {0, 0}};  // sprite texture
inline constexpr Picture kDeviationWindow {289, 256, 256, {0, 0}};  // the sprite's fixed window
inline constexpr Picture kGsFlag          {290,  22,  98, {0, 0}};
inline constexpr Picture kNavFlag         {292,  40,  42, {-20, 70}};

// Every turning picture turns about the card's centre.
inline constexpr Point32 kCentre{178, 184};
inline constexpr Point32 kDeviationWindowAt{50, 62};
inline constexpr Point32 kLeftKnobAt{40, 326};
inline constexpr Point32 kRightKnobAt{319, 314};
inline constexpr Point32 kGlideslopeAt{27, 176};

// Pixels per unit of the glideslope variable; the pointer's value is held to
// -1..1, so the scale's outer marks stand one unit from its centre.
inline constexpr double kGlideslopeScale = 50.0;
// Sprite x scale of the deviation bar, in pixels per unit of the CDI
// variable, whose full deflection (127) is two dots: the dots on the course
// pointer stand where the bar stops at one and two dots.
inline constexpr double kDeviationScale = -0.632813;
inline constexpr double kDeviationFullScale = 127.0;
inline constexpr double kDotSpacing = kDeviationFullScale * -kDeviationScale / 2.0;
inline constexpr float kDeviationTextureScale = 1.5f;

}  // namespace hsi
