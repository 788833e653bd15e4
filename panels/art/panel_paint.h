// Painting helpers for the panel's background pictures: the holes, bezels,
// slots and lettering that sit under the gauges. Every place comes from the
// panel configuration, so a picture always lies where its gauge is placed.
#pragma once

#include <string>
#include <string_view>

#include "art.h"
#include "config/panel_config.h"

namespace panel_art {

struct Rect {
  double x, y, w, h;
  double cx() const { return x + w / 2; }
  double cy() const { return y + h / 2; }
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  // A point given in the gauge's own bitmap pixels (base picture base_w
  // wide), placed on the window.
  double X(double gauge_x, double base_w) const { return x + gauge_x * w / base_w; }
  double Y(double gauge_y, double base_h) const { return y + gauge_y * h / base_h; }
};

// Where the window places the gauge; fails the build if it does not.
Rect Placed(const vantor::WindowConfig& window, std::string_view gauge);

inline constexpr art::Rgb kSilkscreen = art::Byte(228, 228, 220);
inline constexpr art::Rgb kPlacardRed = art::Byte(170, 28, 24);

// Brushed panel metal with a darker, slightly curved glare shield on top.
void PanelSheet(art::Canvas& canvas, double shield_depth);
// A round instrument hole: shadowed cut-out, black inside, four screws.
void RoundHole(cairo_t* cr, const Rect& gauge, double margin);
// A square instrument hole with rounded corners and four screws.
void SquareHole(cairo_t* cr, const Rect& gauge, double margin);
// A recessed frame around a strip or panel gauge.
void Recess(cairo_t* cr, const Rect& area, double margin);
// A dark slot with rounded ends, as a lever or knob shaft runs in.
void Slot(cairo_t* cr, double x, double y, double w, double h);
// A black placard plate with a thin light edge, for lettering and scales.
void Placard(cairo_t* cr, const Rect& area);
// White panel lettering, centred.
void Letter(cairo_t* cr, const std::string& text, double cx, double cy, double size);
// A small panel screw.
void Screw(cairo_t* cr, double cx, double cy, double radius);
// An avionics rack: black frame, side rails with screw holes, a tray under
// each unit.
void AvionicsRack(art::Canvas& canvas, const vantor::WindowConfig& window);

}  // namespace panel_art
