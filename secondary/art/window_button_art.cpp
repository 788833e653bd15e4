// Pictures of ToggleOpen and ToggleClose: a magnifier with a plus sign and
// one with a minus sign, on black that the host leaves out.
#include <cmath>

#include "secondary_art.h"

using namespace art;

namespace {

void Magnifier(Canvas& button, bool plus) {
  cairo_t* cr = button.cr();
  const double cx = 12.5, cy = 12.5, r = 8.5;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Handle first, so the rim sits over its root.
  SetColour(cr, Byte(110, 84, 50));
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, cx + r * 0.8, cy + r * 0.8);
  cairo_line_to(cr, 27, 27);
  cairo_stroke(cr);
  SetColour(cr, Byte(60, 78, 96));
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  SetColour(cr, Byte(210, 210, 216));
  cairo_set_line_width(cr, 2.5);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_stroke(cr);
  SetColour(cr, kWhite);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, cx - 4.5, cy);
  cairo_line_to(cr, cx + 4.5, cy);
  if (plus) {
    cairo_move_to(cr, cx, cy - 4.5);
    cairo_line_to(cr, cx, cy + 4.5);
  }
  cairo_stroke(cr);
}

}  // namespace

void DrawWindowButtonArt(ArtBook& book) {
  Magnifier(book.Add(336, 30, 30), true);
  Magnifier(book.Add(337, 30, 30), false);
}
