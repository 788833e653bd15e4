#include <cmath>

#include "secondary_art.h"

namespace secondary_art {

double AngleBetween(Spot from, Point32 to) {
  const Spot t = Centre(to);
  return std::atan2(t.y - from.y, t.x - from.x);
}

void Tick(cairo_t* cr, Spot c, double angle, double r0, double r1, double width, art::Rgb colour) {
  cairo_save(cr);
  art::SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, c.x + r0 * std::cos(angle), c.y + r0 * std::sin(angle));
  cairo_line_to(cr, c.x + r1 * std::cos(angle), c.y + r1 * std::sin(angle));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void RadialLabel(cairo_t* cr, Spot c, double angle, double radius, const std::string& text, double size,
                 art::Rgb colour) {
  art::Label(cr, text, c.x + radius * std::cos(angle), c.y + radius * std::sin(angle), size, colour);
}

void PointerNeedle(art::Canvas& canvas, Point32 hub, double tip, double tail, double width,
                   double hub_radius, art::Rgb colour) {
  cairo_t* cr = canvas.cr();
  const Spot h = Centre(hub);
  cairo_save(cr);
  art::SetColour(cr, colour);
  // Tapered blade from the tail through the hub to a point at the tip.
  cairo_move_to(cr, h.x - tail, h.y - width * 0.35);
  cairo_line_to(cr, h.x, h.y - width / 2);
  cairo_line_to(cr, h.x + tip - width * 1.5, h.y - width * 0.25);
  cairo_line_to(cr, h.x + tip, h.y);
  cairo_line_to(cr, h.x + tip - width * 1.5, h.y + width * 0.25);
  cairo_line_to(cr, h.x, h.y + width / 2);
  cairo_line_to(cr, h.x - tail, h.y + width * 0.35);
  cairo_close_path(cr);
  cairo_fill(cr);
  // Hub: a dark boss with a lighter cap, never pure black.
  art::SetColour(cr, art::Byte(70, 72, 76));
  cairo_arc(cr, h.x, h.y, hub_radius, 0, 2 * M_PI);
  cairo_fill(cr);
  art::SetColour(cr, art::Byte(130, 132, 138));
  cairo_arc(cr, h.x, h.y, hub_radius * 0.45, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace secondary_art
