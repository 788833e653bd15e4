// Pictures of the electrical switches and warning lights: the switch panel
// with its rockers, wheels and toggle, the large toggles, the N/G key caps
// and the annunciator strip.
#include <string>
#include <vector>

#include "controls_paint.h"

namespace controls {
namespace {

using art::Byte;
using art::Canvas;
using art::Rgb;
using art::SetColour;
using namespace paint;

// The white rockers. Each fills its picture but for the first row and
// column, which lie outside its click zone.
struct RockerPicture {
  int off_id, on_id, width, height;
  Point32 at;  // on the switch panel
  std::vector<std::string> legend;
};

const RockerPicture kRockers[] = {
    {294, 295, 41, 66, kFuelPumpRockerAt, {"FUEL", "PUMP"}},
    {280, 281, 38, 61, kLandingRockerAt, {"LANDING", "LIGHT"}},
    {278, 279, 39, 62, kAntiCollRockerAt, {"ANTI", "COLL", "LIGHT"}},
    {288, 289, 41, 63, kPitotRockerAt, {"PITOT", "HEAT"}},
};

Box RockerBox(const RockerPicture& r, Point32 origin) {
  return {origin.x + 1, origin.y + 1, r.width - 1, r.height - 1};
}

// The master rocker's halves: BAT clicks land in its first 19 columns, ALT
// in the next 19, both down to row 58; the picture's last columns and rows
// stay empty so the slot behind shows round it.
constexpr int kBatAltWidth = 41, kBatAltHeight = 66;
constexpr Box kBatAltRocker = {0, 0, 38, 59};
constexpr int kBatPaddleWidth = 19;

constexpr int kWheelWidth = 29, kWheelHeight = 71;
constexpr Box kWheel = {1, 1, 28, 60};  // the lower rows lie below its click zone
constexpr int kStrobeWidth = 37, kStrobeHeight = 36;
constexpr Box kStrobe = {1, 1, 34, 35};

Box Moved(Box b, Point32 by) { return {b.x + by.x, b.y + by.y, b.w, b.h}; }

void DrawSwitchPanel(Canvas& c) {
  cairo_t* cr = c.cr();
  RecessedPanel(c, 3);

  // Left: the dimmer wheel for the nav and radio lights, no switch of ours.
  ThumbWheel(cr, {58, 24, 28, 66}, false);
  Lines(cr, {"NAV", "LIGHT"}, 30, 38, 7.5, art::kMarkWhite);
  Lines(cr, {"RAD", "LIGHT"}, 30, 76, 7.5, art::kMarkWhite);

  // The slot the master rocker sits in; it shows when the rocker cannot.
  art::RoundedRectPath(cr, kBatAltRockerAt.x, kBatAltRockerAt.y, kBatAltWidth, kBatAltHeight, 3);
  SetColour(cr, Byte(12, 12, 13));
  cairo_fill(cr);
  art::RoundedRectPath(cr, kBatAltRockerAt.x + 0.5, kBatAltRockerAt.y + 0.5, kBatAltWidth - 1, kBatAltHeight - 1, 3);
  SetColour(cr, Byte(90, 92, 96));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  for (const RockerPicture& r : kRockers) WhiteRocker(cr, RockerBox(r, r.at), false, r.legend);
  ThumbWheel(cr, Moved(kWheel, kPanelWheelAt), false);
  art::Label(cr, "PANEL LIGHTS", kPanelWheelAt.x + kWheelWidth / 2.0, 104, 7.5, art::kMarkWhite);
  Lines(cr, {"STROB", "LIGHTS"}, (kStrobeToggleAt.x + kStrobeWidth + c.width() - 3) / 2.0,
        kStrobeToggleAt.y + kStrobeHeight / 2.0, 7, art::kMarkWhite);
}

struct LampPicture {
  int id;
  Point32 at;  // on the strip
  int width, height;
  const char* legend;
  Rgb colour;
};

const LampPicture kLamps[] = {
    {370, kVacLampAt, 48, 46, "VAC", Byte(240, 150, 20)},
    {371, kAltLampAt, 48, 46, "ALT", Byte(220, 36, 28)},
    {372, kOilLampAt, 47, 48, "OIL", Byte(220, 36, 28)},
};

void DrawWarningStrip(Canvas& c) {
  cairo_t* cr = c.cr();
  art::RoundedRectPath(cr, 0.5, 0.5, c.width() - 1, c.height() - 1, 5);
  VerticalGradient(cr, 0, c.height(), Byte(58, 58, 62), Byte(30, 30, 33));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(110, 110, 116));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (const LampPicture& l : kLamps) LampCap(cr, {l.at.x, l.at.y, l.width, l.height}, l.legend, l.colour, false);
}

}  // namespace

void DrawSwitchPictures(art::ArtBook& book) {
  DrawSwitchPanel(book.Add(276, 453, 116));
  for (int frame = 0; frame < 4; ++frame)  // 290 both off, 291 BAT on, 292 ALT on, 293 both on
    SplitRocker(book.Add(290 + frame, kBatAltWidth, kBatAltHeight).cr(), kBatAltRocker, kBatPaddleWidth,
                frame & 1, frame & 2);
  for (const RockerPicture& r : kRockers) {
    WhiteRocker(book.Add(r.off_id, r.width, r.height).cr(), RockerBox(r, {0, 0}), false, r.legend);
    WhiteRocker(book.Add(r.on_id, r.width, r.height).cr(), RockerBox(r, {0, 0}), true, r.legend);
  }
  ThumbWheel(book.Add(296, kWheelWidth, kWheelHeight).cr(), kWheel, false);
  ThumbWheel(book.Add(297, kWheelWidth, kWheelHeight).cr(), kWheel, true);
  ToggleSwitch(book.Add(407, kStrobeWidth, kStrobeHeight).cr(), kStrobe, false);
  ToggleSwitch(book.Add(408, kStrobeWidth, kStrobeHeight).cr(), kStrobe, true);

  book.Add(354, 75, 73);  // SWavionics and swnavlight base: pure black
  ToggleSwitch(book.Add(356, 75, 73).cr(), kToggleZone, false);
  ToggleSwitch(book.Add(357, 75, 73).cr(), kToggleZone, true);

  KeyCap(book.Add(404, 20, 19).cr(), {0, 0, 20, 19}, "N");
  KeyCap(book.Add(405, 20, 19).cr(), {0, 0, 20, 19}, "G");

  DrawWarningStrip(book.Add(368, 204, 61));
  for (const LampPicture& l : kLamps)
    LampCap(book.Add(l.id, l.width, l.height).cr(), {0, 0, l.width, l.height}, l.legend, l.colour, true);
}

}  // namespace controls
