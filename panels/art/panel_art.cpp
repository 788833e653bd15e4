// Draws the background picture of every window of a panel configuration:
//   panel_art <panel.cfg> <output folder>
// Each picture is written under the name the window's file= line gives it,
// at the window's size, with what lies under its gauges painted where the
// configuration places them.
#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include "controls_layout.h"
#include "panel_paint.h"

namespace panel_art {
namespace {

using art::Byte;
using art::SetColour;
using vantor::WindowConfig;

// The compass hangs from the glare shield in a black case; the card shows
// through the case's window, which lies at (22, 41), 75 x 30, in the
// compass gauge's 118 x 124 picture.
void CompassCase(cairo_t* cr, const Rect& g) {
  const double bw = 118, bh = 124;
  // The bracket to the windscreen frame.
  cairo_rectangle(cr, g.X(50, bw), 0, g.X(68, bw) - g.X(50, bw), g.Y(30, bh));
  SetColour(cr, Byte(14, 14, 15));
  cairo_fill(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, g.X(59, bw), g.Y(56, bh), (g.X(112, bw) - g.X(6, bw)) / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, g.X(112, bw), g.Y(96, bh));
  cairo_curve_to(cr, g.X(100, bw), g.Y(116, bh), g.X(18, bw), g.Y(116, bh), g.X(6, bw), g.Y(96, bh));
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(g.x, 0, g.right(), 0);
  cairo_pattern_add_color_stop_rgb(body, 0, 0.03, 0.03, 0.03);
  cairo_pattern_add_color_stop_rgb(body, 0.35, 0.16, 0.16, 0.17);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.02, 0.02, 0.02);
  cairo_set_source(cr, body);
  cairo_fill(cr);
  // The window's chrome rim, just outside the card.
  cairo_rectangle(cr, g.X(19, bw), g.Y(38, bh), g.X(100, bw) - g.X(19, bw), g.Y(74, bh) - g.Y(38, bh));
  SetColour(cr, Byte(150, 150, 146));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  Screw(cr, g.X(59, bw), g.Y(96, bh), 2.5);
}

// The deviation card that every compass carries beside it.
void DeviationCard(cairo_t* cr, double x, double y) {
  cairo_rectangle(cr, x, y, 112, 34);
  SetColour(cr, Byte(236, 232, 214));
  cairo_fill(cr);
  const char* rows[][7] = {{"FOR", "N", "30", "60", "E", "120", "150"},
                           {"STEER", "0", "29", "58", "88", "119", "151"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 7; ++c)
      art::Label(cr, rows[r][c], x + 10 + c * 15.5, y + 10 + r * 14, 7, Byte(20, 20, 20), c == 0);
}

// The avionics that the window buttons open, each a small silkscreened
// tile under its invisible 50 x 50 button: what the window holds, with a
// miniature of its face (a display, or a dial with a needle).
struct ButtonTile {
  const char* gauge;
  const char* legend;
  const char* display;  // the miniature's display text, or null for a dial
  double needle;        // the dial's needle, degrees clockwise from up
};
constexpr ButtonTile kButtonTiles[] = {
    {"Toggle10", "COM/NAV", "122.80", 0},
    {"Toggle20", "AUTOPILOT", "HDG ALT", 0},
    {"Toggle30", "DME", "12.4 NM", 0},
    {"Toggle75", "ADF", nullptr, 35},
    {"Toggle125", "XPDR", "1200", 0},
    {"Toggle200", "FUEL SEL", nullptr, 0},
};

void ButtonTileArt(cairo_t* cr, const Rect& r, const ButtonTile& tile) {
  Recess(cr, r, 2);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  cairo_pattern_t* face = cairo_pattern_create_linear(0, r.y, 0, r.bottom());
  cairo_pattern_add_color_stop_rgb(face, 0, 0.27, 0.28, 0.30);
  cairo_pattern_add_color_stop_rgb(face, 1, 0.17, 0.17, 0.19);
  cairo_set_source(cr, face);
  cairo_fill(cr);
  if (tile.display != nullptr) {
    art::DisplayWindow(cr, r.x + 5, r.y + 6, r.w - 10, 14);
    art::Label(cr, tile.display, r.cx(), r.y + 13, 7, Byte(208, 96, 0), false);
    art::Knob(cr, r.x + 13, r.y + 28, 4, Byte(60, 60, 62), 10);
    art::Knob(cr, r.right() - 13, r.y + 28, 4, Byte(60, 60, 62), 10);
  } else {
    art::DialFace(cr, r.cx(), r.y + 20, 14);
    const double a = tile.needle * M_PI / 180;
    cairo_move_to(cr, r.cx() - 9 * std::sin(a), r.y + 20 + 9 * std::cos(a));
    cairo_line_to(cr, r.cx() + 11 * std::sin(a), r.y + 20 - 11 * std::cos(a));
    cairo_set_line_width(cr, 2);
    SetColour(cr, tile.needle == 0 ? art::kRed : art::kYellow);
    cairo_stroke(cr);
  }
  art::Label(cr, tile.legend, r.cx(), r.bottom() - 7, 7, kSilkscreen);
}

// The lever quadrant under the three knobs of the Controls gauge (180 x 326):
// each lever's shaft runs in a slot from full (knob top at y 20) to idle
// (knob top at y 220, the shaft reaching the bottom).
struct LeverSlot {
  double shaft_x;  // the shaft's centre in the gauge picture
  const char* forward;
};
constexpr LeverSlot kLeverSlots[] = {
    {controls::kThrottleKnobAt.x + 117.0, "OPEN"},  // the black knob's shaft, 117 px into its picture
    {controls::kPropKnobAt.x + 25.5, "INC"},
    {controls::kMixtureKnobAt.x + 19.5, "RICH"},
};

void Quadrant(cairo_t* cr, const Rect& g) {
  const double bw = 180, bh = 326;
  Rect plate{g.X(-8, bw), g.Y(2, bh), g.X(172, bw) - g.X(-8, bw), g.bottom() - g.Y(2, bh)};
  Recess(cr, plate, 3);
  cairo_rectangle(cr, plate.x, plate.y, plate.w, plate.h);
  SetColour(cr, Byte(26, 26, 28));
  cairo_fill(cr);
  for (const LeverSlot& s : kLeverSlots) {
    Slot(cr, g.X(s.shaft_x - 5, bw), g.Y(40, bh), g.X(10, bw) - g.X(0, bw), g.Y(324, bh) - g.Y(40, bh));
    Letter(cr, s.forward, g.X(s.shaft_x, bw), g.Y(14, bh), 7);
  }
}

// The carburettor heat knob sits against its bushing at the top of the
// 49 x 212 strip when cold and comes out to the bottom when pulled.
void CarbHeatPlate(cairo_t* cr, const Rect& g) {
  const double bw = 49, bh = 212;
  Slot(cr, g.X(controls::kCarbHeatKnobAt.x + 16, bw), g.Y(8, bh), g.X(6, bw) - g.X(0, bw), g.Y(200, bh));
  Letter(cr, "PULL", g.X(controls::kCarbHeatKnobAt.x + 19, bw) + 18, g.cy() - 5, 7);
  Letter(cr, "HOT", g.X(controls::kCarbHeatKnobAt.x + 19, bw) + 18, g.cy() + 5, 7);
}

// The primer's bushing under the knob in the upper left of its 70 x 70
// picture, and the placard under it.
void PrimerBushing(cairo_t* cr, const Rect& g) {
  const double bw = 70;
  const double cx = g.X(19, bw), cy = g.Y(19, bw), r = g.w * 17 / bw;
  Placard(cr, {cx - r - 4, cy - r - 4, 2 * r + 50, 2 * r + 8});
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetColour(cr, Byte(90, 90, 92));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.6, 0, 2 * M_PI);
  SetColour(cr, Byte(8, 8, 9));
  cairo_fill(cr);
  Letter(cr, "PRIMER", cx + r + 16, cy, 7);
}

// Flap positions painted beside the marker's travel: the 14 x 10 marker's
// top moves 0.005798693 px per unit of the 0..16383 flap position in the
// 45 x 95 picture, and its white bar is centred 4.5 px below its top.
void FlapScale(cairo_t* cr, const Rect& g) {
  const double bw = 45, bh = 95;
  Placard(cr, {g.x - 4, g.y - 20, g.w + 8, g.h + 36});
  Letter(cr, "FLAPS", g.X(22, bw), g.y - 10, 8);
  const std::pair<double, const char*> marks[] = {{0, "UP"}, {16383 / 3.0, "10°"}, {16383 * 2 / 3.0, "20°"}, {16383, "30°"}};
  for (auto [value, text] : marks) {
    const double y = g.Y(value * 0.005798693 + 4.5, bh);
    cairo_move_to(cr, g.X(15, bw), y);
    cairo_line_to(cr, g.X(22, bw), y);
    cairo_set_line_width(cr, 1.5);
    SetColour(cr, kSilkscreen);
    cairo_stroke(cr);
    art::LabelLeft(cr, text, g.X(24, bw), y + 3, 8, kSilkscreen);
  }
}

// The trim indicator's scale: the marker's top lies at 44 + 100 x trim in
// the 45 x 94 picture, nose down (negative) upwards; beside it the wheel's
// edge shows through a slot.
void TrimScale(cairo_t* cr, const Rect& g, const Rect& wheel) {
  const double bw = 45, bh = 94;
  Letter(cr, "TRIM", (g.x + wheel.right()) / 2, g.y - 22, 8);
  const double take_off = g.Y(44 + 100 * 0.05 + 4.5, bh);
  cairo_rectangle(cr, g.X(26, bw), take_off - 4, 6, 8);
  SetColour(cr, art::kGreen);
  cairo_fill(cr);
  for (double trim = -0.4; trim <= 0.401; trim += 0.1) {
    const double y = g.Y(44 + 100 * trim + 4.5, bh);
    cairo_move_to(cr, g.X(25, bw), y);
    cairo_line_to(cr, g.X(std::abs(trim) < 0.01 ? 36 : 31, bw), y);
    cairo_set_line_width(cr, 1);
    SetColour(cr, kSilkscreen);
    cairo_stroke(cr);
  }
  Letter(cr, "NOSE DN", g.X(22, bw), g.y - 8, 6);
  Letter(cr, "NOSE UP", g.X(22, bw), g.bottom() + 8, 6);
  Letter(cr, "T/O", g.X(44, bw), take_off, 6);
  Slot(cr, wheel.x - 2, wheel.y - 3, wheel.w + 4, wheel.h + 6);
}

// A large toggle switch (75 x 73 picture, its lever pivot near the middle)
// on a placard lettered ON above and OFF below.
void TogglePlacard(cairo_t* cr, const Rect& g, const char* name) {
  Placard(cr, {g.x - 10, g.y - 8, g.w + 20, g.h + 24});
  Letter(cr, "ON", g.cx(), g.y + 2, 7);
  Letter(cr, "OFF", g.cx(), g.bottom() - 2, 7);
  Letter(cr, name, g.cx(), g.bottom() + 9, 8);
}

void VantorPlacards(cairo_t* cr, double x, double y) {
  art::LabelLeft(cr, "VANTOR", x, y, 18, kSilkscreen);
  art::LabelLeft(cr, "THIS AIRPLANE MUST BE OPERATED AS A NORMAL CATEGORY", x, y + 16, 6, kSilkscreen, false);
  art::LabelLeft(cr, "AIRPLANE. NO ACROBATIC MANEUVERS INCLUDING SPINS.", x, y + 24, 6, kSilkscreen, false);
}

void MainPanel(art::Canvas& canvas, const WindowConfig& w) {
  PanelSheet(canvas, 72);
  cairo_t* cr = canvas.cr();
  const Rect compass = Placed(w, "Wiskey");
  CompassCase(cr, compass);
  DeviationCard(cr, compass.right() + 12, 8);

  SquareHole(cr, Placed(w, "hsi"), 3);
  RoundHole(cr, Placed(w, "Vor2rpm"), 3);
  SquareHole(cr, Placed(w, "Egt"), 3);
  RoundHole(cr, Placed(w, "Amps"), 3);
  RoundHole(cr, Placed(w, "TempAir"), 3);
  Recess(cr, Placed(w, "EngineL"), 3);
  Recess(cr, Placed(w, "EngineR"), 3);
  const Rect zoom = Placed(w, "ToggleOpen");
  Letter(cr, "ZOOM", zoom.cx(), zoom.bottom() + 7, 7);

  const Rect warning = Placed(w, "Warning");
  Recess(cr, warning, 2);
  Letter(cr, "AVIONICS", warning.cx(), Placed(w, "Toggle10").y - 12, 8);
  for (const ButtonTile& tile : kButtonTiles) ButtonTileArt(cr, Placed(w, tile.gauge), tile);

  const Rect switches = Placed(w, "Switch");
  Recess(cr, switches, 2);
  VantorPlacards(cr, switches.x, switches.y - 40);
  const Rect key = Placed(w, "start");
  Letter(cr, "MAGNETOS", key.cx(), key.y - 8, 8);
  PrimerBushing(cr, Placed(w, "Engine primer"));
  CarbHeatPlate(cr, Placed(w, "Carbheat"));
  Quadrant(cr, Placed(w, "Controls"));
  FlapScale(cr, Placed(w, "Flap"));
  TrimScale(cr, Placed(w, "trim"), Placed(w, "TrimMove"));
  TogglePlacard(cr, Placed(w, "SWavionics"), "AVIONICS");
  TogglePlacard(cr, Placed(w, "swnavlight"), "NAV LIGHTS");
  const Rect gps = Placed(w, "swgpsnav");
  Recess(cr, gps, 2);
  Letter(cr, "NAV/GPS", gps.cx(), gps.bottom() + 9, 8);
}

// The close-up: the instruments alone, larger, on the same panel sheet.
void CloseUpPanel(art::Canvas& canvas, const WindowConfig& w) {
  PanelSheet(canvas, 30);
  cairo_t* cr = canvas.cr();
  SquareHole(cr, Placed(w, "hsi"), 4);
  RoundHole(cr, Placed(w, "Vor2rpm"), 4);
  SquareHole(cr, Placed(w, "Egt"), 4);
  RoundHole(cr, Placed(w, "Amps"), 4);
  RoundHole(cr, Placed(w, "TempAir"), 4);
  Recess(cr, Placed(w, "EngineL"), 3);
  Recess(cr, Placed(w, "EngineR"), 3);
  const Rect egt = Placed(w, "Egt");
  VantorPlacards(cr, egt.x, egt.bottom() + 40);
  const Rect back = Placed(w, "ToggleClose");
  Letter(cr, "PANEL", back.x - 22, back.cy(), 8);
}

// The fuel selector on the cabin floor: a placard around the handle's
// pivot naming the tank at each end it can point to.
void FuelSelectorFloor(art::Canvas& canvas, const WindowConfig& w) {
  art::PanelTexture(canvas, Byte(36, 34, 32));
  cairo_t* cr = canvas.cr();
  const Rect g = Placed(w, "Fuel_Selector");
  const double bw = 240, bh = 229;
  const double cx = g.X(120, bw), cy = g.Y(114, bh);
  cairo_arc(cr, cx, cy, g.w * 0.47, 0, 2 * M_PI);
  SetColour(cr, Byte(22, 22, 24));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, g.w * 0.47, 0, 2 * M_PI);
  SetColour(cr, Byte(150, 150, 146));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  struct End {
    controls::Box zone;
    const char* tank;
    const char* capacity;
  };
  const End ends[] = {{controls::kFuelLeftEnd, "LEFT", "19 GAL"},
                      {controls::kFuelUpEnd, "BOTH", "38 GAL"},
                      {controls::kFuelRightEnd, "RIGHT", "19 GAL"}};
  for (const End& e : ends) {
    const double x = g.X(e.zone.x + e.zone.w / 2.0, bw), y = g.Y(e.zone.y + e.zone.h / 2.0, bh);
    art::Label(cr, e.tank, x, y - 6, 12, art::kWhite);
    art::Label(cr, e.capacity, x, y + 8, 8, kSilkscreen, false);
  }
  art::Label(cr, "FUEL SELECTOR", cx, g.bottom() + 14, 12, kSilkscreen);
  art::Label(cr, "FUEL 100LL AVIATION GRADE", cx, 20, 8, kPlacardRed);
}

using Painter = std::function<void(art::Canvas&, const WindowConfig&)>;

// What each window id shows; the radios' windows share the rack.
const std::map<uint32_t, Painter>& Painters() {
  static const std::map<uint32_t, Painter> painters = {
      {0, MainPanel},      {21, CloseUpPanel},  {10, AvionicsRack}, {20, AvionicsRack},
      {30, AvionicsRack},  {75, AvionicsRack},  {125, AvionicsRack}, {200, FuelSelectorFloor},
  };
  return painters;
}

}  // namespace
}  // namespace panel_art

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: panel_art <panel.cfg> <output folder>\n";
    return 2;
  }
  try {
    vantor::PanelConfig config = vantor::LoadPanelConfig(argv[1], vantor::BackgroundCheck::Skip);
    for (const vantor::WindowConfig& w : config.windows) {
      auto painter = panel_art::Painters().find(w.id);
      if (painter == panel_art::Painters().end())
        throw std::runtime_error(w.section + ": no picture is drawn for window id " + std::to_string(w.id));
      art::Canvas canvas(w.width, w.height);
      painter->second(canvas, w);
      cairo_surface_flush(canvas.surface());
      const auto out = std::filesystem::path(argv[2]) / std::filesystem::path(w.background).filename();
      if (cairo_surface_write_to_png(canvas.surface(), out.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + out.string());
    }
  } catch (const std::exception& e) {
    std::cerr << "panel_art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
