// The pictures of Vantorhsi. Every picture that turns is drawn around the
// pixel its element turns about (geometry.h), pointing the way its zero
// angle points: north, the course and the heading bug all straight up.
// Pure black is transparent to the host, so dark parts that must cover
// what lies below are drawn in a near-black grey instead.
#include <cmath>
#include <string>

#include "art.h"
#include "geometry.h"

using namespace art;
using hsi::Picture;

namespace {

constexpr Rgb kCardFace = Byte(22, 22, 25);
constexpr Rgb kInnerDisc = Byte(48, 52, 60);
constexpr Rgb kCaseGrey = Byte(50, 52, 56);
constexpr Rgb kCourseYellow = kYellow;
constexpr Rgb kLetterDark = Byte(30, 30, 30);

// The inner disc that carries the deviation dots, and the part of it in
// which the deviation bar can be seen (a little inside, so the bar never
// spills onto the card).
constexpr double kDiscRadius = 86.0;
constexpr double kBarWindowRadius = 84.5;
// Width of the course line, the deviation bar's included.
constexpr double kCourseShaft = 5.0;

struct Centre {
  double x, y;
};

// The middle of the pixel that the element turns about.
Centre PivotOf(const Picture& p) { return {p.pivot.x + 0.5, p.pivot.y + 0.5}; }

Canvas& Add(ArtBook& book, const Picture& p) { return book.Add(p.id, p.width, p.height); }

double Radians(double degrees_clockwise_from_up) { return (degrees_clockwise_from_up - 90.0) * M_PI / 180.0; }

// Text set radially on a dial: upright when the bearing is at the top.
void RadialLabel(cairo_t* cr, const std::string& text, Centre c, double radius, double bearing,
                 double size, Rgb colour, bool bold = true) {
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, bearing * M_PI / 180.0);
  Label(cr, text, 0, -radius, size, colour, bold);
  cairo_restore(cr);
}

// A line along a bearing from one radius to another.
void RadialLine(cairo_t* cr, Centre c, double bearing, double inner, double outer, double width,
                Rgb colour) {
  const double a = Radians(bearing);
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, c.x + inner * std::cos(a), c.y + inner * std::sin(a));
  cairo_line_to(cr, c.x + outer * std::cos(a), c.y + outer * std::sin(a));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Triangle(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_close_path(cr);
}

void Disc(cairo_t* cr, Centre c, double radius, Rgb colour) {
  SetColour(cr, colour);
  cairo_new_sub_path(cr);
  cairo_arc(cr, c.x, c.y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
}

// Red and white warning stripes across a box, with a white band across the
// middle that carries the lettering.
void WarningFlag(cairo_t* cr, double w, double h, double band_top, double band_height) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  SetColour(cr, kWhite);
  cairo_paint(cr);
  SetColour(cr, kRed);
  const double stripe = 5.0;
  for (double x = -h; x < w + h; x += 2 * stripe) {
    cairo_move_to(cr, x, h);
    cairo_line_to(cr, x + stripe, h);
    cairo_line_to(cr, x + stripe + h, 0);
    cairo_line_to(cr, x + h, 0);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  SetColour(cr, kWhite);
  cairo_rectangle(cr, 0, band_top, w, band_height);
  cairo_fill(cr);
  SetColour(cr, Byte(120, 20, 16));
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 1, 1, w - 2, h - 2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// ---------------------------------------------------------------------------

// Bezel: the case, the face behind the card, the lubber mark, the marks
// every 45 degrees and the glideslope scale at the left.
void DrawBezel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const Centre c{hsi::kCentre.x + 0.5, hsi::kCentre.y + 0.5};

  // The case, a rounded square; its corners stay black and so transparent.
  const double r = 22, w = canvas.width(), h = canvas.height();
  cairo_new_sub_path(cr);
  cairo_arc(cr, w - r, r, r, -M_PI / 2, 0);
  cairo_arc(cr, w - r, h - r, r, 0, M_PI / 2);
  cairo_arc(cr, r, h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, r, r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.25, 0.26, 0.27);
  cairo_pattern_add_color_stop_rgb(g, 1, kCaseGrey.r * 0.8, kCaseGrey.g * 0.8, kCaseGrey.b * 0.8);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);

  // A bevelled ring round the opening, then the face behind the card.
  DialFace(cr, c.x, c.y, 152, kCardFace, Byte(96, 98, 104));
  Disc(cr, c, 131, Byte(12, 12, 14));

  // Lubber mark: its tip touches the card's rim straight above the centre.
  SetColour(cr, kAmber);
  Triangle(cr, c.x, c.y - 129, c.x - 8, c.y - 143, c.x + 8, c.y - 143);
  cairo_fill(cr);
  for (int bearing = 45; bearing < 360; bearing += 45)
    RadialLine(cr, c, bearing, 131, 140, 3, kMarkWhite);

  // Glideslope scale: five marks, one every half unit of the pointer's
  // travel, beside its tip; the middle one is a bar.
  const double tip_x = hsi::kGlideslopeAt.x + hsi::kGlideslopePtr.width;
  const double zero_y = hsi::kGlideslopeAt.y + hsi::kGlideslopePtr.height / 2.0;
  for (int k = -2; k <= 2; ++k) {
    const double y = zero_y + k * hsi::kGlideslopeScale / 2;
    if (k == 0) {
      canvas.FillRect(tip_x + 1, y - 1.5, 8, 3, kMarkWhite);
      continue;
    }
    cairo_save(cr);
    SetColour(cr, kMarkWhite);
    cairo_set_line_width(cr, 1.6);
    cairo_new_sub_path(cr);
    cairo_arc(cr, tip_x + 4.5, y, 2.6, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_restore(cr);
  }

  // The knobs' wells in the lower corners; the lower screws stand above them.
  for (const Point32& k : {hsi::kLeftKnobAt, hsi::kRightKnobAt})
    Disc(cr, {k.x + 0.5, k.y + 0.5}, 34, Byte(20, 20, 22));
  Screws(cr, 0, 0, w, 280, 18, 7);
}

// Compass card: 5-degree ticks, longer every 10, the cardinal letters and
// the headings every 30 degrees in tens, N at the top.
void DrawCard(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const Centre c = PivotOf(hsi::kCard);
  Disc(cr, c, 127, kCardFace);
  for (int bearing = 0; bearing < 360; bearing += 5) {
    const bool ten = bearing % 10 == 0;
    RadialLine(cr, c, bearing, ten ? 111 : 118, 126, ten ? 2.2 : 1.4, kMarkWhite);
  }
  static const char* const kLabels[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
  for (int i = 0; i < 12; ++i) {
    const bool letter = i % 3 == 0;
    RadialLabel(cr, kLabels[i], c, 99, 30.0 * i, letter ? 18 : 15, kMarkWhite);
  }
}

// Heading bug: a green outlined triangle whose point marks the selected
// heading on the card's rim.
void DrawHeadingBug(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double cx = PivotOf(hsi::kHeadingBug).x;
  SetColour(cr, kGreen);
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  Triangle(cr, cx - 13, 2.5, cx + 13, 2.5, cx, 28);
  cairo_stroke(cr);
}

// Course pointer: the dark inner disc with the deviation dots, the arrow
// head at the top and the tail at the bottom. The middle of the course line
// is the deviation bar, which slides over the disc.
void DrawCoursePointer(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const Centre c = PivotOf(hsi::kCoursePointer);
  Disc(cr, c, kDiscRadius, kInnerDisc);
  cairo_save(cr);
  SetColour(cr, Byte(86, 90, 98));
  cairo_set_line_width(cr, 1.5);
  cairo_arc(cr, c.x, c.y, kDiscRadius - 0.75, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_restore(cr);

  for (int dot : {-2, -1, 1, 2}) {
    cairo_save(cr);
    SetColour(cr, kMarkWhite);
    cairo_set_line_width(cr, 1.8);
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x + dot * hsi::kDotSpacing, c.y, 3.6, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_restore(cr);
  }

  const double tip = c.y - (canvas.height() / 2.0 - 0.5);
  const double shaft = kCourseShaft;
  SetColour(cr, kCourseYellow);
  Triangle(cr, c.x, tip, c.x - 12, tip + 24, c.x + 12, tip + 24);
  cairo_fill(cr);
  cairo_rectangle(cr, c.x - shaft / 2, tip + 23, shaft, c.y - kBarWindowRadius - (tip + 23) + 1);
  cairo_fill(cr);
  const double tail_end = c.y + (canvas.height() / 2.0 - 1.5);
  cairo_rectangle(cr, c.x - shaft / 2, c.y + kBarWindowRadius - 1, shaft, tail_end - (c.y + kBarWindowRadius - 1));
  cairo_fill(cr);
}

// TO and FROM arrows: white triangles beside the course pointer's head.
void DrawToFromArrow(Canvas& canvas, bool to) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  const double tip = to ? 1.5 : h - 1.5, base = to ? h - 2.5 : 2.5;
  SetColour(cr, kWhite);
  Triangle(cr, w / 2, tip, 2, base, w - 2, base);
  cairo_fill(cr);
}

// Deviation bar texture: one yellow line down the middle of the texture, the
// middle that turns on the card's centre, the full height of the texture;
// the window picture decides how much of it is seen. The texture is drawn
// enlarged by its scale, so the line is narrowed by it to match the course
// pointer's shaft.
void DrawDeviationBar(Canvas& canvas) {
  const double width = kCourseShaft / hsi::kDeviationTextureScale;
  cairo_t* cr = canvas.cr();
  SetColour(cr, kCourseYellow);
  cairo_rectangle(cr, canvas.width() / 2.0 - width / 2, 0, width, canvas.height());
  cairo_fill(cr);
}

// The fixed window over the deviation bar: near-black (seen through) over
// the inner disc, pure black (bar hidden) elsewhere, and the aircraft
// symbol, with a mark ahead of it and one behind, drawn over the bar.
void DrawDeviationWindow(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const Centre c{hsi::kCentre.x - hsi::kDeviationWindowAt.x + 0.5,
                 hsi::kCentre.y - hsi::kDeviationWindowAt.y + 0.5};
  // No anti-aliasing on the see-through disc: its edge pixels must be
  // exactly near-black or exactly black, never a grey that would be drawn.
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  Disc(cr, c, kBarWindowRadius, kNearBlack);
  cairo_restore(cr);

  const Rgb symbol = kAmber;
  SetColour(cr, symbol);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 4);
  cairo_move_to(cr, c.x, c.y - 13);  // fuselage
  cairo_line_to(cr, c.x, c.y + 14);
  cairo_stroke(cr);
  cairo_move_to(cr, c.x - 18, c.y - 1);  // wings
  cairo_line_to(cr, c.x + 18, c.y - 1);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, c.x - 7, c.y + 13);  // tailplane
  cairo_line_to(cr, c.x + 7, c.y + 13);
  cairo_stroke(cr);
  SetColour(cr, kMarkWhite);
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, c.x, c.y - 30);  // ahead
  cairo_line_to(cr, c.x, c.y - 22);
  cairo_stroke(cr);
  cairo_move_to(cr, c.x, c.y + 22);  // behind
  cairo_line_to(cr, c.x, c.y + 28);
  cairo_stroke(cr);
}

// Glideslope pointer: a yellow triangle pointing right at the scale.
void DrawGlideslopePointer(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  SetColour(cr, kYellow);
  Triangle(cr, 0.5, 0.5, w - 0.5, h / 2.0, 0.5, h - 0.5);
  cairo_fill(cr);
}

void DrawGsFlag(Canvas& canvas) {
  const double w = canvas.width(), h = canvas.height();
  WarningFlag(canvas.cr(), w, h, h / 2 - 21, 42);
  Label(canvas.cr(), "G", w / 2, h / 2 - 10, 15, kRed);
  Label(canvas.cr(), "S", w / 2, h / 2 + 10, 15, kRed);
}

void DrawNavFlag(Canvas& canvas) {
  const double w = canvas.width(), h = canvas.height();
  WarningFlag(canvas.cr(), w, h, h / 2 - 8, 16);
  Label(canvas.cr(), "NAV", w / 2, h / 2, 12, kRed);
}

// Knobs: knurled, with the left one's arrow or the right one's green
// triangle ringed by PUSH CARD SET pointing the way the knob's zero points.
void DrawLeftKnob(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const Centre c = PivotOf(hsi::kLeftKnob);
  Knob(cr, c.x, c.y, 30, Byte(70, 70, 74), 30);
  SetColour(cr, kMarkWhite);
  Triangle(cr, c.x, c.y - 22, c.x - 8, c.y - 10, c.x + 8, c.y - 10);
  cairo_fill(cr);
  cairo_rectangle(cr, c.x - 2.5, c.y - 11, 5, 30);
  cairo_fill(cr);
}

void DrawRightKnob(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const Centre c = PivotOf(hsi::kRightKnob);
  Knob(cr, c.x, c.y, 30, Byte(70, 70, 74), 30);
  Disc(cr, c, 25, Byte(34, 34, 38));
  // The lettering reads left to right round the lower rim, tops towards the
  // centre, leaving the upper half clear for the triangle.
  const std::string words = "PUSH CARD SET";
  const double step = 21.0;
  const double first = 180.0 + step * (words.size() - 1) / 2;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] == ' ') continue;
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, (first - step * i - 180.0) * M_PI / 180.0);
    Label(cr, std::string(1, words[i]), 0, 20, 7, kMarkWhite);
    cairo_restore(cr);
  }
  SetColour(cr, kGreen);
  Triangle(cr, c.x, c.y - 16, c.x - 8, c.y - 2, c.x + 8, c.y - 2);
  cairo_fill(cr);
}

}  // namespace

void DrawModuleArt(ArtBook& book) {
  DrawBezel(Add(book, hsi::kBezel));
  DrawLeftKnob(Add(book, hsi::kLeftKnob));
  DrawRightKnob(Add(book, hsi::kRightKnob));
  DrawToFromArrow(Add(book, hsi::kToArrow), true);
  DrawToFromArrow(Add(book, hsi::kFromArrow), false);
  DrawHeadingBug(Add(book, hsi::kHeadingBug));
  DrawGlideslopePointer(Add(book, hsi::kGlideslopePtr));
  DrawCoursePointer(Add(book, hsi::kCoursePointer));
  DrawCard(Add(book, hsi::kCard));
  DrawDeviationBar(Add(book, hsi::kDeviationBar));
  DrawDeviationWindow(Add(book, hsi::kDeviationWindow));
  DrawGsFlag(Add(book, hsi::kGsFlag));
  DrawNavFlag(Add(book, hsi::kNavFlag));
}
