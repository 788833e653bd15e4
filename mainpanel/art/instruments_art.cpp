// The pictures of the instruments: the two engine dial strips with their
// overlay and needle, the compass card and its window, the air temperature
// dial and the ammeter. Every mark that a needle must meet is printed
// through its calibration point, read from the same tables as the records;
// marks between calibration points are spaced the way the host turns the
// needle there, evenly in angle from one point's direction to the next.
//
// Pictures with exact pixel rules (the overlay, the compass card, window
// and background) are drawn with FillRect only, which never anti-aliases.
#include <cmath>
#include <string>
#include <vector>

#include "airtemp_dial.h"
#include "amps_dial.h"
#include "compass_card.h"
#include "engine_dials.h"
#include "mainpanel_art.h"

namespace {

using namespace art;

// ---------------------------------------------------------------------------
// Needle dials

// A gauge point names a pixel; the art measures from pixel centres, so a
// mark drawn toward a point's centre covers that very pixel.
struct Spot {
  double x, y;
};
Spot Centre(Point32 p) { return {p.x + 0.5, p.y + 0.5}; }

// A needle's calibration as the art reads it.
struct Scale {
  const NonlinearityEntry* entries;
  uint32_t count;
  Point32 pivot;
};
template <size_t N>
Scale ScaleOf(const NonlinearityEntry (&table)[N], Point32 pivot) {
  return {table, static_cast<uint32_t>(N), pivot};
}

double DirectionOf(const Scale& s, uint32_t i) {
  const Spot p = Centre(s.pivot), q = Centre(s.entries[i].point);
  return std::atan2(q.y - p.y, q.x - p.x);
}

// Where the needle points for a value, in cairo's radians (clockwise from
// +x): between two calibration points the angle moves evenly from one
// point's direction to the next, unwrapped along the table so a sweep of
// more than half a turn keeps going round.
double ScaleAngle(const Scale& s, double value) {
  double previous = DirectionOf(s, 0);
  if (value <= s.entries[0].value) return previous;
  for (uint32_t i = 1; i < s.count; ++i) {
    const double next = previous + std::remainder(DirectionOf(s, i) - DirectionOf(s, i - 1), 2 * M_PI);
    const double low = s.entries[i - 1].value, high = s.entries[i].value;
    if (value <= high) return previous + (next - previous) * (value - low) / (high - low);
    previous = next;
  }
  return previous;
}

void RadialMark(cairo_t* cr, Spot pivot, double angle, double from, double to, double width, Rgb colour) {
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, pivot.x + from * std::cos(angle), pivot.y + from * std::sin(angle));
  cairo_line_to(cr, pivot.x + to * std::cos(angle), pivot.y + to * std::sin(angle));
  cairo_stroke(cr);
  cairo_restore(cr);
}

Spot AtRadius(Spot pivot, double angle, double radius) {
  return {pivot.x + radius * std::cos(angle), pivot.y + radius * std::sin(angle)};
}

// A needle picture drawn along +x from its hub: the bitmap turns about the
// hub, so the bar runs through it at the picture's mid-height.
void NeedleBar(Canvas& c, double axis_y, double from_x, double root_half, double tip_half, Rgb colour) {
  cairo_t* cr = c.cr();
  const double tip = c.width() - 0.2;
  const double taper = tip - 4 * root_half;
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_move_to(cr, from_x, axis_y - root_half);
  cairo_line_to(cr, taper, axis_y - tip_half - 0.4);
  cairo_line_to(cr, tip, axis_y);
  cairo_line_to(cr, taper, axis_y + tip_half + 0.4);
  cairo_line_to(cr, from_x, axis_y + root_half);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Engine dial strips (260, 263), overlay (261), needle (262)

constexpr int kStripWidth = 800, kStripHeight = 109;
constexpr int kBezelTop = 93, kShadowTop = 96;
constexpr Rgb kBezelGrey = Byte(192, 192, 192);   // the light line over the pivots
constexpr Rgb kStripShadow = Byte(16, 16, 16);    // below it, to the strip's foot
constexpr Rgb kDialRim = Byte(96, 98, 102);
constexpr Rgb kPlateFace = Byte(38, 39, 42);
constexpr double kDialHalfWidth = 74;

// The strip's lower edge, on the strips and again on the overlay so that
// the overlay repeats it over the needles' pivots and tails.
void StripEdge(Canvas& c) {
  c.FillRect(0, kBezelTop, kStripWidth, kShadowTop - kBezelTop, kBezelGrey);
  c.FillRect(0, kShadowTop, kStripWidth, kStripHeight - kShadowTop, kStripShadow);
}

// A dial or plate face: square at the foot, where the bezel line covers it.
void PlaceFace(cairo_t* cr, Point32 place, Rgb face) {
  const double left = place.x + 0.5 - kDialHalfWidth, right = place.x + 0.5 + kDialHalfWidth;
  const double top = 3, foot = kBezelTop, r = 10;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, left, foot);
  cairo_arc(cr, left + r, top + r, r, M_PI, 1.5 * M_PI);
  cairo_arc(cr, right - r, top + r, r, 1.5 * M_PI, 2 * M_PI);
  cairo_line_to(cr, right, foot);
  cairo_close_path(cr);
  SetColour(cr, face);
  cairo_fill_preserve(cr);
  SetColour(cr, kDialRim);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The plain plate of an empty place, with its four-pointed star ornament.
void StarPlate(Canvas& c, Point32 place) {
  cairo_t* cr = c.cr();
  PlaceFace(cr, place, kPlateFace);
  const double cx = place.x + 0.5, cy = 48, outer = 33, inner = 7;
  cairo_save(cr);
  cairo_new_path(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 4;
    const double r = i % 2 == 0 ? outer : inner;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_pattern_t* shine = cairo_pattern_create_linear(cx - outer, cy - outer, cx + outer, cy + outer);
  cairo_pattern_add_color_stop_rgb(shine, 0, 0.92, 0.92, 0.90);
  cairo_pattern_add_color_stop_rgb(shine, 0.5, 0.62, 0.63, 0.65);
  cairo_pattern_add_color_stop_rgb(shine, 1, 0.30, 0.31, 0.33);
  cairo_set_source(cr, shine);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shine);
  SetColour(cr, Byte(20, 20, 22));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  ArcBand(cr, cx, cy, 14, 1.5, 0, 2 * M_PI, Byte(150, 150, 152));
  cairo_restore(cr);
  Screws(cr, cx - kDialHalfWidth, 3, 2 * kDialHalfWidth, 90, 9, 3);
}

// A coloured range of a dial, between two values.
struct Band {
  double from, to;
  Rgb colour;
};

struct EngineDial {
  Scale scale;
  std::vector<std::string> labels;  // one per calibration point
  std::vector<std::string> title;   // lines, top down
  std::vector<Band> bands;
};

// A band drawn between two horizontal lines, cut by the directions of its
// two values: it follows the row of marks, which lies on a line.
void LineBand(cairo_t* cr, const Scale& s, const Band& b, double top, double bottom) {
  const Spot p = Centre(s.pivot);
  auto at = [&](double value, double y) {
    const double a = ScaleAngle(s, value);
    return Spot{p.x + (y - p.y) / std::tan(a), y};
  };
  const Spot corners[] = {at(b.from, top), at(b.to, top), at(b.to, bottom), at(b.from, bottom)};
  cairo_save(cr);
  SetColour(cr, b.colour);
  cairo_new_path(cr);
  for (const Spot& q : corners) cairo_line_to(cr, q.x, q.y);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawEngineDial(Canvas& c, const EngineDial& d) {
  cairo_t* cr = c.cr();
  const Scale& s = d.scale;
  const Spot pivot = Centre(s.pivot);
  PlaceFace(cr, s.pivot, kFaceBlack);
  for (const Band& b : d.bands) LineBand(cr, s, b, 28, 32);
  for (uint32_t i = 0; i < s.count; ++i) {
    const Spot point = Centre(s.entries[i].point);
    const double angle = DirectionOf(s, i);
    const double r = std::hypot(point.x - pivot.x, point.y - pivot.y);
    RadialMark(cr, pivot, angle, r - 10, r + 4, 2.5, kMarkWhite);
    const Spot label = AtRadius(pivot, angle, r + 13);
    Label(cr, d.labels[i], label.x, label.y, 9.5, kMarkWhite);
  }
  const double first_line = 62 - 5.5 * d.title.size();
  for (size_t i = 0; i < d.title.size(); ++i)
    Label(cr, d.title[i], pivot.x, first_line + 11 * i, 9, kMarkWhite);
}

void DrawStrip(Canvas& c, const std::vector<EngineDial>& dials, const std::vector<int>& plates) {
  PanelTexture(c);
  for (int place : plates) StarPlate(c, kStripPlaces[place]);
  for (const EngineDial& d : dials) DrawEngineDial(c, d);
  StripEdge(c);
}

void DrawEngineClusterArt(ArtBook& book) {
  DrawStrip(book.Add(260, kStripWidth, kStripHeight),
            {
                {ScaleOf(OilTempScale, kOilTempPivot), {"75", "180", "260"}, {"OIL TEMP", "°F"},
                 {{75, 245, kGreen}, {245, 260, kRed}}},
                {ScaleOf(OilPressScale, kOilPressPivot), {"25", "60", "90"}, {"OIL PRESS", "PSI"},
                 {{25, 60, kYellow}, {60, 90, kGreen}}},
            },
            {0, 2, 4});
  DrawStrip(book.Add(263, kStripWidth, kStripHeight),
            {
                {ScaleOf(FuelLeftScale, kFuelLeftPivot), {"0", "20", "30", "F"}, {"FUEL", "LEFT MAIN", "US GAL"},
                 {{0, 3, kRed}}},
                {ScaleOf(FuelPressScale, kFuelPressPivot), {"0", "5", "8", "10"}, {"FUEL PRESS", "PSI"},
                 {{0.5, 8, kGreen}}},
                {ScaleOf(FuelRightScale, kFuelRightPivot), {"0", "20", "30", "F"}, {"FUEL", "RIGHT MAIN", "US GAL"},
                 {{0, 3, kRed}}},
            },
            {1, 3});

  // Pure black above the edge: transparent drawing leaves it out, so only
  // the edge is drawn over the needles.
  Canvas& overlay = book.Add(261, kStripWidth, kStripHeight);
  StripEdge(overlay);

  Canvas& needle = book.Add(262, 72, 10);
  NeedleBar(needle, kClusterNeedleHub.y, 0.5, 1.8, 0.9, Byte(236, 236, 226));
}

// ---------------------------------------------------------------------------
// Compass (272 background, 273 card, 274 window)

constexpr Rgb kCardFace = Byte(30, 30, 32);
constexpr int kTickStep = 8;           // 5 units of travel
constexpr int kLabelStep = 48;         // 30 units
constexpr int kLongTickTop = 17, kShortTickTop = 22;

// The label printed over card column kCompassLubber + 48·k: the value there
// is 30·k, the heading 360 minus that.
std::string CardLabel(int k) {
  const int heading = ((360 - 30 * k) % 360 + 360) % 360;
  switch (heading) {
    case 0: return "N";
    case 90: return "E";
    case 180: return "S";
    case 270: return "W";
    default: return std::to_string(heading / 10);
  }
}

// A card label, its characters spaced wide as compass cards print them,
// its ink centred on column centre cx.
void CardLetters(cairo_t* cr, const std::string& text, double cx, double cy) {
  constexpr double kSize = 17, kTracking = 4;
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, kSize);
  cairo_text_extents_t whole;
  cairo_text_extents(cr, text.c_str(), &whole);
  const double ink = whole.width + kTracking * (text.size() - 1);
  double x = cx - ink / 2 - whole.x_bearing;
  SetColour(cr, kWhite);
  for (char ch : text) {
    const char glyph[2] = {ch, '\0'};
    cairo_text_extents_t e;
    cairo_text_extents(cr, glyph, &e);
    cairo_move_to(cr, x, cy - whole.height / 2 - whole.y_bearing);
    cairo_show_text(cr, glyph);
    x += e.x_advance + kTracking;
  }
  cairo_restore(cr);
}

void DrawCompassArt(ArtBook& book) {
  // The background stays pure black: the compass body is the panel's.
  book.Add(272, 118, 124);

  static_assert(kCompassPixelsPerUnit * 5 == kTickStep && kCompassPixelsPerUnit * 30 == kLabelStep);
  Canvas& card = book.Add(273, kCompassCardWidth, kCompassHeight);
  card.Fill(kCardFace);
  // The card is a drum: darker where it curves away at top and foot.
  for (int row = 0; row < 3; ++row) {
    const int shade = 14 + 6 * row;
    card.FillRect(0, row, kCompassCardWidth, 1, Byte(shade, shade, shade + 1));
    card.FillRect(0, kCompassHeight - 1 - row, kCompassCardWidth, 1, Byte(shade, shade, shade + 1));
  }
  // Ticks every 5 units, long every 10 (N is one), on both sides of every
  // label; the first falls on column 5.
  for (int column = kCompassLubber % kTickStep; column < kCompassCardWidth; column += kTickStep) {
    const bool ten = ((column - kCompassLubber) / kTickStep) % 2 == 0;
    const int top = ten ? kLongTickTop : kShortTickTop;
    card.FillRect(column, top, 1, kCompassHeight - top, kWhite);
  }
  // Labels one step beyond each end too, so the card's edges cut them as a
  // drum would: the 33 after the right-hand N starts on the card.
  const int last_label = (kCompassCardWidth - kCompassLubber) / kLabelStep + 1;
  for (int k = -1; k <= last_label; ++k)
    CardLetters(card.cr(), CardLabel(k), kCompassLubber + kLabelStep * k + 0.5, 8.5);

  Canvas& window = book.Add(274, kCompassWindowWidth, kCompassHeight);
  window.Fill(kNearBlack);
  window.FillRect(kCompassLubber - 1, 0, 3, kCompassHeight, kWhite);
}

// ---------------------------------------------------------------------------
// Air temperature (309 face, 310 needle)

constexpr Rgb kCelsiusBlue = Byte(150, 196, 236);

void DrawAirTempArt(ArtBook& book) {
  Canvas& face = book.Add(309, 302, 302);
  cairo_t* cr = face.cr();
  const Scale scale = ScaleOf(AirTempScale, kAirTempPivot);
  const Spot c = Centre(kAirTempPivot);
  DialFace(cr, c.x, c.y, 150);

  // Fahrenheit outside: a mark every 10, long and labelled every 20. The
  // calibration points (-60, 0, 60, 120, 160) are long marks, whose span
  // (96 to 120) covers the points' radii (100 to 105).
  ArcBand(cr, c.x, c.y, 120, 1.2, ScaleAngle(scale, -60), ScaleAngle(scale, 160), kMarkWhite);
  for (int f = -60; f <= 160; f += 10) {
    const double a = ScaleAngle(scale, f);
    const bool major = f % 20 == 0;
    RadialMark(cr, c, a, major ? 96 : 108, 120, major ? 2.5 : 1.5, kMarkWhite);
    if (major) {
      const Spot at = AtRadius(c, a, 131);
      Label(cr, std::to_string(f), at.x, at.y, 12, kMarkWhite);
    }
  }
  // Celsius inside, on the same needle: a mark every 10, labelled every 20.
  ArcBand(cr, c.x, c.y, 88, 1, ScaleAngle(scale, -50 * 1.8 + 32), ScaleAngle(scale, 70 * 1.8 + 32),
          kCelsiusBlue);
  for (int celsius = -50; celsius <= 70; celsius += 10) {
    const double a = ScaleAngle(scale, celsius * 1.8 + 32);
    const bool major = celsius % 20 == 0;
    RadialMark(cr, c, a, major ? 76 : 81, 88, major ? 2 : 1.5, kCelsiusBlue);
    if (major) {
      const Spot at = AtRadius(c, a, 66);
      Label(cr, std::to_string(celsius), at.x, at.y, 10, kCelsiusBlue);
    }
  }
  // Title and the scale letters in the gap at the bottom.
  const double gap = (ScaleAngle(scale, 160) - 2 * M_PI + ScaleAngle(scale, -60)) / 2;
  Label(cr, "AIR TEMP", c.x, c.y - 32, 12, kMarkWhite);
  const Spot fahrenheit = AtRadius(c, gap, 128), celsius = AtRadius(c, gap, 76);
  Label(cr, "°F", fahrenheit.x, fahrenheit.y, 13, kMarkWhite);
  Label(cr, "°C", celsius.x, celsius.y, 11, kCelsiusBlue);

  Canvas& needle = book.Add(310, 138, 21);
  const Spot hub = Centre(kAirTempNeedleHub);
  NeedleBar(needle, hub.y, hub.x, 2.2, 0.7, Byte(245, 245, 238));
  Knob(needle.cr(), hub.x, hub.y, 9.5, Byte(70, 70, 74), 0);
  Knob(needle.cr(), hub.x, hub.y, 4, Byte(120, 120, 124), 0);
}

// ---------------------------------------------------------------------------
// Ammeter (336 face, 337 needle)

constexpr Rgb kStubBlack = Byte(10, 10, 10);  // black, yet drawn: pure black would vanish

void DrawAmpsArt(ArtBook& book) {
  Canvas& face = book.Add(336, 302, 302);
  cairo_t* cr = face.cr();
  const Scale scale = ScaleOf(AmpsScale, kAmpsPivot);
  const Spot pivot = Centre(kAmpsPivot);
  DialFace(cr, 151, 151, 150);

  // An arc just inside the marks; marks every 5 A, longer every 10, and the
  // labelled ones (the calibration points) cross the points' radii (143 to
  // 145) from 133 to 154.
  ArcBand(cr, pivot.x, pivot.y, 135, 1.5, ScaleAngle(scale, 0), ScaleAngle(scale, 60), kMarkWhite);
  for (int amps = 0; amps <= 60; amps += 5) {
    const double a = ScaleAngle(scale, amps);
    if (amps % 20 == 0) {
      RadialMark(cr, pivot, a, 133, 154, 3, kMarkWhite);
      const Spot at = AtRadius(pivot, a, 166);
      Label(cr, std::to_string(amps), at.x, at.y, 15, kMarkWhite);
    } else {
      RadialMark(cr, pivot, a, 135, amps % 10 == 0 ? 149 : 143, amps % 10 == 0 ? 2 : 1.5, kMarkWhite);
    }
  }
  Label(cr, "AMPS", pivot.x, 165, 16, kMarkWhite);
  Knob(cr, pivot.x, pivot.y, 13, Byte(60, 60, 64), 0);

  // A white bar on a black stub that sits over the hub.
  Canvas& needle = book.Add(337, 140, 10);
  const double axis = kAmpsNeedleHub.y;
  needle.FillRect(0, axis - 4, 32, 8, kStubBlack);
  NeedleBar(needle, axis, 26, 1.6, 0.7, Byte(246, 246, 240));
}

}  // namespace

void DrawInstrumentArt(ArtBook& book) {
  DrawEngineClusterArt(book);
  DrawCompassArt(book);
  DrawAirTempArt(book);
  DrawAmpsArt(book);
}
