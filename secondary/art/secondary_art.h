// Drawing for the pictures of Vantor3: one function per gauge, and the dial
// geometry they share. Every scale mark is placed from the needle tables of
// dials.h, so the pictures agree with the records by construction.
#pragma once

#include <cmath>
#include <string>

#include "art.h"
#include "dials.h"

void DrawVor2rpmArt(art::ArtBook& book);
void DrawEngineDialArt(art::ArtBook& book);  // Man2 and Egt
void DrawTrimWheelArt(art::ArtBook& book);
void DrawWindowButtonArt(art::ArtBook& book);

namespace secondary_art {

// A gauge pixel's centre in drawing coordinates.
struct Spot {
  double x, y;
};
inline Spot Centre(Point32 p) { return {p.x + 0.5, p.y + 0.5}; }

// Where a needle on this table points for a value, as an angle in cairo's
// radians seen from the needle's pivot: the directions to neighbouring
// table points, interpolated as the value moves between their values.
template <size_t N>
double ScaleAngle(const NonlinearityEntry (&table)[N], Point32 pivot, double value);

// A radial mark from radius r0 to r1 at an angle seen from the centre.
void Tick(cairo_t* cr, Spot centre, double angle, double r0, double r1, double width, art::Rgb colour);
// Text centred at a radius along an angle, kept upright.
void RadialLabel(cairo_t* cr, Spot centre, double angle, double radius, const std::string& text,
                 double size, art::Rgb colour);
// A coloured band along the scale between two values.
template <size_t N>
void ScaleBand(cairo_t* cr, const NonlinearityEntry (&table)[N], Point32 pivot, double from, double to,
               double radius, double width, art::Rgb colour);
// A needle picture: a pointer drawn along +x through its hub point, with a
// short tail and a round hub, on pure black so everything else stays clear.
void PointerNeedle(art::Canvas& canvas, Point32 hub, double tip, double tail, double width,
                   double hub_radius, art::Rgb colour);

// ---------------------------------------------------------------------------

double AngleBetween(Spot from, Point32 to);

template <size_t N>
double ScaleAngle(const NonlinearityEntry (&table)[N], Point32 pivot, double value) {
  const Spot c = Centre(pivot);
  // Unwrap along the table so a scale of more than half a turn keeps going
  // the same way round.
  double angle[N];
  angle[0] = AngleBetween(c, table[0].point);
  for (size_t i = 1; i < N; ++i)
    angle[i] = angle[i - 1] + std::remainder(AngleBetween(c, table[i].point) - angle[i - 1], 2 * M_PI);
  const double sign = table[N - 1].value >= table[0].value ? 1 : -1;
  if (sign * value <= sign * table[0].value) return angle[0];
  for (size_t i = 1; i < N; ++i)
    if (sign * value <= sign * table[i].value) {
      const double f = (value - table[i - 1].value) / (table[i].value - table[i - 1].value);
      return angle[i - 1] + f * (angle[i] - angle[i - 1]);
    }
  return angle[N - 1];
}

template <size_t N>
void ScaleBand(cairo_t* cr, const NonlinearityEntry (&table)[N], Point32 pivot, double from, double to,
               double radius, double width, art::Rgb colour) {
  const Spot c = Centre(pivot);
  const double a0 = ScaleAngle(table, pivot, from), a1 = ScaleAngle(table, pivot, to);
  cairo_save(cr);
  art::SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_new_path(cr);
  if (a1 >= a0)
    cairo_arc(cr, c.x, c.y, radius, a0, a1);
  else
    cairo_arc_negative(cr, c.x, c.y, radius, a0, a1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace secondary_art
