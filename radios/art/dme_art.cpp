// Bitmaps 356 and 358-361: the DME face with its display window, OFF and
// R1/R2 lettering, and the two frames of the power switch and of the source
// selector. The switch knob always lies inside the half of the switch that
// moves it there; the frames leave black (transparent) what is not switch.
#include <cmath>

#include "radio_art.h"

namespace radios::art_parts {
namespace {

using namespace dme;

// The power switch slides between the OFF half and the ON half.
constexpr double kSlotY = 16;  // from the switch's top
double KnobX(const Box& half) { return half.x + half.w / 2.0 - kPowerSwitch.x; }

void PowerSlot(cairo_t* cr, double x0, double y0) {
  const double from = KnobX(kPowerOff) - 12, to = KnobX(kPowerOn) + 12;
  cairo_save(cr);
  art::SetColour(cr, art::Byte(96, 98, 102));
  cairo_rectangle(cr, x0 + from - 2, y0 + kSlotY - 7, to - from + 4, 14);
  cairo_fill(cr);
  art::SetColour(cr, kRecess);
  cairo_rectangle(cr, x0 + from, y0 + kSlotY - 5, to - from, 10);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PowerFrame(art::ArtBook& book, int id, const Box& half) {
  art::Canvas& c = book.Add(id, kPowerSwitch.w, kPowerSwitch.h);
  cairo_t* cr = c.cr();
  PowerSlot(cr, 0, 0);
  // A ribbed slider cap.
  const double cx = KnobX(half);
  cairo_save(cr);
  art::SetColour(cr, art::Byte(190, 190, 196));
  cairo_rectangle(cr, cx - 6, kSlotY - 11, 12, 22);
  cairo_fill(cr);
  art::SetColour(cr, art::Byte(110, 110, 116));
  cairo_set_line_width(cr, 1);
  for (int rib = -1; rib <= 1; ++rib) {
    cairo_move_to(cr, cx - 4, kSlotY + rib * 5 + 0.5);
    cairo_line_to(cr, cx + 4, kSlotY + rib * 5 + 0.5);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The selector lever turns about the middle of its icon: up toward R1,
// down toward R2.
void SelectorFrame(art::ArtBook& book, int id, bool up) {
  art::Canvas& c = book.Add(id, kSourceSelector.w, kSourceSelector.h);
  cairo_t* cr = c.cr();
  const double cx = kSourceSelector.w / 2.0, cy = kSourceSelector.h / 2.0;
  cairo_save(cr);
  art::SetColour(cr, art::Byte(26, 26, 28));
  cairo_rectangle(cr, 1, 1, kSourceSelector.w - 2, kSourceSelector.h - 2);
  cairo_fill(cr);
  cairo_restore(cr);
  art::Toggle(cr, cx, cy, 14, up);
}

}  // namespace

void DrawDme(art::ArtBook& book) {
  art::Canvas& c = book.Add(356, kFace.w, kFace.h);
  cairo_t* cr = c.cr();
  Faceplate(c, 0, 0, kFace.w, kFace.h);
  const double left = kSpeedText.x - 3, top = kSpeedText.y - 2;
  const double right = kDistanceText.x + kDistanceText.w + 3;
  art::DisplayWindow(cr, left, top, right - left, kSpeedText.h + 4);
  Legend(cr, "SPEED", kSpeedText.x + kSpeedText.w / 2.0, 12, 8, kDimLettering);
  Legend(cr, "DISTANCE", kDistanceText.x + kDistanceText.w / 2.0, 12, 8, kDimLettering);

  // The power switch at the bottom, lettered OFF on its OFF side.
  PowerSlot(cr, kPowerSwitch.x, kPowerSwitch.y);
  Legend(cr, "OFF", kPowerOff.x - 17, kPowerSwitch.y + kSlotY, 9);
  Legend(cr, "ON", kPowerOn.x + kPowerOn.w + 14, kPowerSwitch.y + kSlotY, 9);

  // The source selector between R1 above and R2 below.
  const double sx = kSourceSelector.x + kSourceSelector.w / 2.0;
  Recess(cr, kSourceSelector.x, kSourceSelector.y, kSourceSelector.w, kSourceSelector.h);
  Legend(cr, "R1", sx, kSourceSelector.y - 7, 9);
  Legend(cr, "R2", sx, kSourceSelector.y + kSourceSelector.h + 6, 9);

  Legend(cr, "DME", 455, 42, 18);
  Legend(cr, "VANTOR", 455, 66, 9, kDimLettering);

  PowerFrame(book, 360, kPowerOff);
  PowerFrame(book, 361, kPowerOn);
  SelectorFrame(book, 358, true);
  SelectorFrame(book, 359, false);
}

}  // namespace radios::art_parts
