// Pictures of Man2 and Egt: the manifold pressure face (its needle is the
// tachometer's), the EGT face, needle and hub cover.
#include <cmath>
#include <string>

#include "secondary_art.h"

using namespace art;
using namespace secondary_art;

namespace {

const Rgb kEgtFace = Byte(28, 28, 30);

// 10 to 35 inches of mercury: numbered marks at the table points, one mark
// per inch between, green over the cruise range. The 0 entry is the
// needle's stop and gets a pin instead of a mark.
void ManifoldFace(Canvas& face) {
  cairo_t* cr = face.cr();
  const Spot c = Centre(kDialPivot);
  DialFace(cr, c.x, c.y, 150, Byte(26, 26, 28));
  ScaleBand(cr, ManifoldScale, kDialPivot, 15, 25, 127, 5, kGreen);
  for (int inhg = 11; inhg < 35; ++inhg)
    if (inhg % 5 != 0) Tick(cr, c, ScaleAngle(ManifoldScale, kDialPivot, inhg), 113, 122, 1.5, kMarkWhite);
  for (const NonlinearityEntry& e : ManifoldScale) {
    const double a = ScaleAngle(ManifoldScale, kDialPivot, e.value);
    if (e.value == 0) {
      SetColour(cr, Byte(150, 150, 156));
      cairo_arc(cr, c.x + 112 * std::cos(a), c.y + 112 * std::sin(a), 3.5, 0, 2 * M_PI);
      cairo_fill(cr);
      continue;
    }
    Tick(cr, c, a, 103, 122, 3.5, kMarkWhite);
    RadialLabel(cr, c, a, 88, std::to_string(static_cast<int>(e.value)), 17, kMarkWhite);
  }
  Label(cr, "MAN PRESS", c.x, c.y + 42, 13, kMarkWhite);
  Label(cr, "IN. HG", c.x, c.y + 60, 11, kMarkWhite, false);
}

// 500 to 1700 °F: a mark every 25 °F, a longer one every 100 °F, numbers
// at the table points.
void EgtFace(Canvas& face) {
  cairo_t* cr = face.cr();
  const Spot c = Centre(kEgtPivot);
  // A rounded frame: the EGT gauge is taller than wide.
  art::RoundedRectPath(cr, 1, 1, face.width() - 2, face.height() - 2, 26);
  SetColour(cr, Byte(96, 98, 104));
  cairo_fill(cr);
  art::RoundedRectPath(cr, 8, 8, face.width() - 16, face.height() - 16, 20);
  SetColour(cr, kEgtFace);
  cairo_fill(cr);
  for (int f = 500; f <= 1700; f += 25) {
    const double a = ScaleAngle(EgtScale, kEgtPivot, f);
    const bool hundred = f % 100 == 0;
    Tick(cr, c, a, hundred ? 112 : 119, 130, hundred ? 2.5 : 1.4, kMarkWhite);
  }
  for (const NonlinearityEntry& e : EgtScale)
    RadialLabel(cr, c, ScaleAngle(EgtScale, kEgtPivot, e.value), 97, std::to_string(static_cast<int>(e.value)),
                13, kMarkWhite);
  Label(cr, "°F", c.x, c.y - 62, 12, kMarkWhite, false);
}

// The hub cover: a plate across the lower face that hides where the needle
// turns, lettered EGT, with a fixed red reference line at mid-scale.
void EgtHubCover(Canvas& cover) {
  cairo_t* cr = cover.cr();
  const Spot c = Centre(kEgtPivot);
  const double top = c.y - 24;
  cairo_save(cr);
  art::RoundedRectPath(cr, 8, 8, cover.width() - 16, cover.height() - 16, 20);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, cover.height());
  cairo_pattern_add_color_stop_rgb(g, 0, 0.40, 0.41, 0.43);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.16, 0.18);
  cairo_set_source(cr, g);
  cairo_move_to(cr, 0, top + 30);
  cairo_curve_to(cr, c.x - 60, top, c.x + 60, top, cover.width(), top + 30);
  cairo_line_to(cr, cover.width(), cover.height());
  cairo_line_to(cr, 0, cover.height());
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  Screws(cr, 30, top + 40, cover.width() - 60, 50, 6, 5);
  Label(cr, "EGT", c.x, c.y + 40, 22, kMarkWhite);
  const double mid = ScaleAngle(EgtScale, kEgtPivot, 1100);
  Tick(cr, c, mid, 96, 129, 2.5, kRed);
}

}  // namespace

void DrawEngineDialArt(ArtBook& book) {
  ManifoldFace(book.Add(293, 302, 302));
  EgtFace(book.Add(353, 302, 315));
  // White pointer from the hub near the picture's top-left corner to the
  // dial marks 128 pixels away.
  PointerNeedle(book.Add(355, 138, 21), kEgtNeedleHub, 128, 6, 5, 4.5, kMarkWhite);
  EgtHubCover(book.Add(357, 302, 315));
}
