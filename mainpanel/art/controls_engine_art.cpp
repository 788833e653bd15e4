// Pictures of the engine controls: the three lever knobs, the carburettor
// heat knob, the fuel selector handle, the primer and the key switch.
#include <algorithm>
#include <cmath>

#include "controls_paint.h"

namespace controls {
namespace {

using art::Byte;
using art::Canvas;
using art::Rgb;
using art::SetColour;
using namespace paint;

void DropShadow(cairo_t* cr) { cairo_set_source_rgb(cr, 0.07, 0.07, 0.08); }

// ---------------------------------------------------------------------------
// Lever knobs. Each knob picture slides up and down its lever slot; the knob
// is drawn at the top of its picture, across the columns that its lever's
// zone covers, with the lever shaft running down below it.

enum class Grip { Smooth, Ribbed, Serrated };

struct LeverKnob {
  int id, width, height;
  Point32 at;  // the slider's position on the gauge
  Box zone;    // the lever's click zone on the gauge
  Rgb colour;
  Grip grip;
  const char* legend;
};

constexpr LeverKnob kLeverKnobs[] = {
    {257, 139, 104, kThrottleKnobAt, kThrottleZone, Byte(40, 40, 43), Grip::Smooth, "THROTTLE"},
    {258, 73, 107, kPropKnobAt, kPropZone, Byte(34, 78, 176), Grip::Ribbed, "PROP"},
    {259, 86, 96, kMixtureKnobAt, kMixtureZone, Byte(194, 32, 28), Grip::Serrated, "MIXTURE"},
};

// The knob's outline: a rounded block, or one with teeth top and bottom.
void KnobOutline(cairo_t* cr, const LeverKnob& k, double x, double y, double w, double h) {
  if (k.grip != Grip::Serrated) {
    art::RoundedRectPath(cr, x, y, w, h, 6);
    return;
  }
  const int teeth = static_cast<int>(w / 4);
  const double step = w / teeth, depth = 2.5;
  cairo_new_path(cr);
  for (int i = 0; i <= teeth; ++i) cairo_line_to(cr, x + i * step, y + (i % 2 ? 0 : depth));
  for (int i = teeth; i >= 0; --i) cairo_line_to(cr, x + i * step, y + h - (i % 2 ? 0 : depth));
  cairo_close_path(cr);
}

void DrawLeverKnob(Canvas& c, const LeverKnob& k) {
  cairo_t* cr = c.cr();
  const int lo = std::max(0, k.zone.x - k.at.x);
  const int hi = std::min(k.width, k.zone.x + k.zone.w - k.at.x);
  const double cx = (lo + hi) / 2.0;
  const double kw = std::min(38, hi - lo - 6), kh = 30, top = 3;
  const double left = cx - kw / 2;

  // The lever shaft, from under the knob to the bottom of the picture.
  cairo_rectangle(cr, cx - 4.5, top + kh - 4, 9, k.height - (top + kh - 4));
  CylinderGradient(cr, cx - 4.5, cx + 4.5, Byte(120, 122, 128));
  cairo_fill(cr);

  cairo_save(cr);
  cairo_translate(cr, 2, 3);
  KnobOutline(cr, k, left, top, kw, kh);
  DropShadow(cr);
  cairo_fill(cr);
  cairo_restore(cr);

  KnobOutline(cr, k, left, top, kw, kh);
  VerticalGradient(cr, top, top + kh, Scale(k.colour, 1.9), Scale(k.colour, 0.6));
  cairo_fill(cr);
  cairo_save(cr);
  KnobOutline(cr, k, left, top, kw, kh);
  cairo_clip(cr);
  switch (k.grip) {
    case Grip::Smooth:  // finger grooves across the lower face
      cairo_set_line_width(cr, 1.5);
      for (double f : {0.72, 0.86}) {
        SetColour(cr, Scale(k.colour, 0.4));
        cairo_move_to(cr, left + 3, top + kh * f);
        cairo_line_to(cr, left + kw - 3, top + kh * f);
        cairo_stroke(cr);
      }
      break;
    case Grip::Ribbed:  // ribs all round, a smooth band for the legend
      cairo_set_line_width(cr, 1.2);
      SetColour(cr, Scale(k.colour, 0.45));
      for (double x = left + 2; x < left + kw; x += 3) {
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x, top + kh);
        cairo_stroke(cr);
      }
      cairo_rectangle(cr, left, top + kh * 0.32, kw, kh * 0.36);
      SetColour(cr, Scale(k.colour, 1.05));
      cairo_fill(cr);
      break;
    case Grip::Serrated:
      break;
  }
  // Light from above catches the top edge.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
  cairo_rectangle(cr, left, top, kw, 4);
  cairo_fill(cr);
  cairo_restore(cr);
  art::Label(cr, k.legend, cx, top + kh / 2, 5.6, art::kWhite);
}

// ---------------------------------------------------------------------------
// Carburettor heat: a push-pull knob on a chrome shaft from its panel nut.

void HexNut(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 3;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.82, 0.83, 0.85);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.3, 0.31, 0.33);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, Byte(50, 50, 54));
  cairo_arc(cr, cx, cy, r * 0.45, 0, 2 * M_PI);
  cairo_fill(cr);
}

void DrawCarbHeatKnob(Canvas& c, bool pulled) {
  cairo_t* cr = c.cr();
  // The strip stands 8 pixels into the gauge: centre the knob on what shows.
  const double visible = kCarbHeatZone.x + kCarbHeatZone.w - kCarbHeatKnobAt.x;
  const double cx = std::floor(visible / 2), kw = visible - 7, kh = 30;
  const double top = pulled ? 176 : 18;
  cairo_rectangle(cr, cx - 3, 10, 6, top - 10 + 4);
  CylinderGradient(cr, cx - 3, cx + 3, kChrome);
  cairo_fill(cr);
  HexNut(cr, cx, 10, 8);
  art::RoundedRectPath(cr, cx - kw / 2 + 2, top + 3, kw, kh, 5);
  DropShadow(cr);
  cairo_fill(cr);
  art::RoundedRectPath(cr, cx - kw / 2, top, kw, kh, 5);
  VerticalGradient(cr, top, top + kh, Byte(96, 96, 102), Byte(30, 30, 33));
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_rectangle(cr, cx - kw / 2 + 3, top + 1, kw - 6, 3);
  cairo_fill(cr);
  Lines(cr, {"CARB", "HEAT"}, cx, top + kh / 2, 6.5, art::kWhite);
}

// ---------------------------------------------------------------------------
// Fuel selector: a red pointer handle on a hub, aimed at the middle of the
// zone of each position.

constexpr double kSelectorHubX = 118, kSelectorHubY = 114, kSelectorHubRadius = 24;

void HandlePath(cairo_t* cr, double length) {
  cairo_new_path(cr);
  cairo_arc(cr, -32, 0, 14, M_PI / 2, 3 * M_PI / 2);
  cairo_line_to(cr, length - 16, -8);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 16, 8);
  cairo_close_path(cr);
}

void DrawSelectorHandle(Canvas& c, Box end) {
  cairo_t* cr = c.cr();
  const double tx = end.x + end.w / 2.0, ty = end.y + end.h / 2.0;
  const double angle = std::atan2(ty - kSelectorHubY, tx - kSelectorHubX);
  const double length = std::hypot(tx - kSelectorHubX, ty - kSelectorHubY) - 10;
  const Rgb red = Byte(196, 30, 26);

  cairo_save(cr);
  cairo_translate(cr, kSelectorHubX + 3, kSelectorHubY + 4);
  cairo_rotate(cr, angle);
  HandlePath(cr, length);
  cairo_arc(cr, 0, 0, kSelectorHubRadius, 0, 2 * M_PI);
  DropShadow(cr);
  cairo_fill(cr);
  cairo_restore(cr);

  cairo_save(cr);
  cairo_translate(cr, kSelectorHubX, kSelectorHubY);
  cairo_rotate(cr, angle);
  HandlePath(cr, length);
  // Lit from one side across the handle: a ridge runs along its middle.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -14, 0, 14);
  const Rgb light = Scale(red, 1.35), dark = Scale(red, 0.5);
  cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, red.r, red.g, red.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, art::kWhite);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, kSelectorHubRadius + 4, 0);
  cairo_line_to(cr, length - 9, 0);
  cairo_stroke(cr);
  cairo_restore(cr);

  // The hub does not turn with its lighting.
  cairo_arc(cr, kSelectorHubX, kSelectorHubY, kSelectorHubRadius, 0, 2 * M_PI);
  cairo_pattern_t* hub = cairo_pattern_create_radial(kSelectorHubX - 7, kSelectorHubY - 7, 2, kSelectorHubX,
                                                     kSelectorHubY, kSelectorHubRadius);
  cairo_pattern_add_color_stop_rgb(hub, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(hub, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, hub);
  cairo_fill(cr);
  cairo_pattern_destroy(hub);
  cairo_arc(cr, kSelectorHubX, kSelectorHubY, 6, 0, 2 * M_PI);
  SetColour(cr, kChrome);
  cairo_fill(cr);
  SetColour(cr, Byte(60, 60, 64));
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, kSelectorHubX - 5, kSelectorHubY);
  cairo_line_to(cr, kSelectorHubX + 5, kSelectorHubY);
  cairo_stroke(cr);
}

// ---------------------------------------------------------------------------
// Primer: a knurled chrome knob in its panel nut; pulled out, it stands off
// down and to the right on its plunger.

constexpr double kPrimerCentre = 19, kPrimerKnobRadius = 13;

void PrimerKnob(cairo_t* cr, double cx, double cy) {
  const double r = kPrimerKnobRadius;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetColour(cr, Byte(120, 122, 126));
  cairo_fill(cr);
  SetColour(cr, Byte(60, 60, 64));
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 28; ++i) {
    const double a = 2 * M_PI * i / 28;
    cairo_move_to(cr, cx + (r - 3) * std::cos(a), cy + (r - 3) * std::sin(a));
    cairo_line_to(cr, cx + (r - 0.5) * std::cos(a), cy + (r - 0.5) * std::sin(a));
    cairo_stroke(cr);
  }
  cairo_arc(cr, cx, cy, r - 3.5, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 3, cy - 3, 1, cx, cy, r - 3.5);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.97, 0.97, 0.98);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.56, 0.58);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  art::Label(cr, "P", cx, cy, 8, Byte(40, 40, 46));
}

void DrawPrimer(Canvas& c, bool pulled) {
  cairo_t* cr = c.cr();
  const double nut = kPrimerCentre, knob = pulled ? nut + kPrimerPull : nut;
  HexNut(cr, nut, nut, 16);
  if (pulled) {
    cairo_save(cr);
    cairo_translate(cr, nut, nut);
    cairo_rotate(cr, M_PI / 4);
    cairo_rectangle(cr, 0, -4, kPrimerPull * M_SQRT2, 8);
    cairo_restore(cr);
    SetColour(cr, kChrome);
    cairo_fill(cr);
    cairo_arc(cr, knob + 1, knob + 1, kPrimerKnobRadius, 0, 2 * M_PI);
    DropShadow(cr);
    cairo_fill(cr);
  }
  PrimerKnob(cr, knob, knob);
}

// ---------------------------------------------------------------------------
// Key switch: the bezel with its position labels, and the key turning
// with its lock cylinder about the same centre.

constexpr double kKeyPivotX = 23.5, kKeyPivotY = 25.5;  // in the key picture
constexpr double kKeyStepDegrees = 30;                   // between neighbouring positions
constexpr const char* kKeyPositions[5] = {"OFF", "R", "L", "BOTH", "START"};

void LockCylinder(cairo_t* cr, double cx, double cy) {
  cairo_arc(cr, cx, cy, 12.5, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - 12, cy - 12, cx + 12, cy + 12);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.86, 0.88);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.45, 0.46, 0.48);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void DrawKeyBezel(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = kKeyAt.x + kKeyPivotX, cy = kKeyAt.y + kKeyPivotY;
  art::RoundedRectPath(cr, 0.5, 0.5, c.width() - 1, c.height() - 1, 9);
  VerticalGradient(cr, 0, c.height(), Byte(70, 70, 75), Byte(34, 34, 37));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(120, 120, 126));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (int k = 0; k < 5; ++k) {
    const double a = (k - 2) * kKeyStepDegrees * M_PI / 180;
    SetColour(cr, art::kWhite);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, cx + 19 * std::sin(a), cy - 19 * std::cos(a));
    cairo_line_to(cr, cx + 22 * std::sin(a), cy - 22 * std::cos(a));
    cairo_stroke(cr);
    // The end labels are the widest: they stand further out.
    const double r = k == 0 || k == 4 ? 33 : 29;
    art::Label(cr, kKeyPositions[k], cx + r * std::sin(a), cy - r * std::cos(a), 5.8, art::kWhite);
  }
  cairo_arc(cr, cx, cy, 17, 0, 2 * M_PI);
  CylinderGradient(cr, cx - 17, cx + 17, kChrome);
  cairo_fill(cr);
  LockCylinder(cr, cx, cy);
  art::RoundedRectPath(cr, cx - 1.5, cy - 7.5, 3, 15, 1);
  SetColour(cr, Byte(20, 20, 22));
  cairo_fill(cr);
}

void DrawKey(Canvas& c, int position) {
  cairo_t* cr = c.cr();
  LockCylinder(cr, kKeyPivotX, kKeyPivotY);
  cairo_save(cr);
  cairo_translate(cr, kKeyPivotX, kKeyPivotY);
  cairo_rotate(cr, (position - 2) * kKeyStepDegrees * M_PI / 180);
  // Shoulder in the cylinder, then the bow standing out of it.
  art::RoundedRectPath(cr, -4, -9, 8, 18, 1.5);
  SetColour(cr, Byte(150, 152, 156));
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, -5, -4);
  cairo_line_to(cr, -9, -14);
  cairo_arc(cr, 0, -15, 9, M_PI, 2 * M_PI);
  cairo_line_to(cr, 5, -4);
  cairo_close_path(cr);
  CylinderGradient(cr, -9, 9, Byte(176, 178, 184));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(70, 70, 74));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_arc(cr, 0, -17, 2.6, 0, 2 * M_PI);
  SetColour(cr, Byte(30, 30, 34));
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

void DrawEngineControlPictures(art::ArtBook& book) {
  book.Add(256, 180, 326);  // Controls base: pure black
  for (const LeverKnob& knob : kLeverKnobs) DrawLeverKnob(book.Add(knob.id, knob.width, knob.height), knob);

  book.Add(304, 49, 212);  // Carbheat base: pure black
  DrawCarbHeatKnob(book.Add(306, 49, 212), false);
  DrawCarbHeatKnob(book.Add(307, 49, 212), true);

  book.Add(320, 240, 229);  // Fuel_Selector base: pure black
  DrawSelectorHandle(book.Add(322, 240, 229), kFuelLeftEnd);
  DrawSelectorHandle(book.Add(323, 240, 229), kFuelUpEnd);
  DrawSelectorHandle(book.Add(324, 240, 229), kFuelRightEnd);

  book.Add(342, 70, 70);  // Engine primer base: pure black
  DrawPrimer(book.Add(343, 70, 70), false);
  DrawPrimer(book.Add(344, 70, 70), true);

  DrawKeyBezel(book.Add(384, 81, 95));
  for (int position = 0; position < 5; ++position) DrawKey(book.Add(386 + position, 47, 58), position);
}

}  // namespace controls
