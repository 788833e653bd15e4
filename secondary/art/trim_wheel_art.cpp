// Pictures of TrimMove: the invisible base and five frames of the trim
// wheel's ridged edge. Frame n is the wheel turned a further fifth of a
// ridge, so stepping through the frames looks like the wheel rolling.
#include <algorithm>
#include <cmath>

#include "secondary_art.h"

using namespace art;

namespace {

constexpr int kWheelFrames = 5;
constexpr int kRidges = 40;      // round the whole wheel
constexpr double kGroove = 0.4;  // share of each ridge pitch that is groove
constexpr int kSamples = 8;      // per pixel row, to keep thin far ridges smooth

// The edge of the wheel seen face-on: a cylinder whose axis runs across the
// picture. Row y shows the angle asin(offset from the middle / radius), so
// the ridges crowd together towards the top and bottom and darken as the
// surface turns away. Higher frames carry the ridges downwards, as the
// wheel's front moves when the nose is trimmed down.
void WheelEdge(Canvas& edge, int frame) {
  const double radius = edge.height() / 2.0;
  const double phase = static_cast<double>(frame) / kWheelFrames;
  for (int y = 0; y < edge.height(); ++y) {
    double light = 0, facing = 0;
    for (int s = 0; s < kSamples; ++s) {
      const double offset = (y + (s + 0.5) / kSamples - radius) / radius;  // -1 .. 1
      const double angle = std::asin(std::clamp(offset, -1.0, 1.0));
      double ridge = (angle + M_PI / 2) / (2 * M_PI) * kRidges - phase;
      ridge -= std::floor(ridge);
      // A groove, then the ridge's lit upper flank and its top.
      const double profile = ridge < kGroove ? 0.25 : (ridge < kGroove + 0.15 ? 1.0 : 0.7);
      light += profile;
      facing += std::cos(angle);
    }
    light /= kSamples;
    facing /= kSamples;
    const double shade = light * (0.25 + 0.75 * facing);
    for (int x = 0; x < edge.width(); ++x) {
      // The rims at both sides catch less light than the middle of the tread.
      const double across = 1.0 - 0.35 * std::pow(std::fabs((x + 0.5) / edge.width() * 2 - 1), 2);
      const double v = std::max(8.0, 190 * shade * across);
      edge.SetPixel(x, y, Byte(static_cast<int>(v), static_cast<int>(v), static_cast<int>(v * 1.04)));
    }
  }
}

}  // namespace

void DrawTrimWheelArt(ArtBook& book) {
  book.Add(320, 10, 93);  // all-black base, invisible
  for (int frame = 0; frame < kWheelFrames; ++frame) WheelEdge(book.Add(322 + frame, 10, 93), frame);
}
