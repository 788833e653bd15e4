// Bitmaps 320 and 338-354: the autopilot head with its six mode buttons
// unlit, and a lit copy of each button of exactly the button's size, drawn
// by the same hand so that it covers the unlit one pixel for pixel.
#include "radio_art.h"

namespace radios::art_parts {
namespace {

using namespace autopilot;

constexpr ModeButton kButtons[] = {kAp, kHdg, kNav, kApr, kRev, kAlt};

// A push button filling the box; lit, its legend glows and an annunciator
// bar lights above it. The corners outside the rounding stay black, which
// the lit copies leave transparent.
void PushButton(cairo_t* cr, const Box& b, const std::string& legend, bool lit) {
  art::Button(cr, b.x + 0.75, b.y + 0.75, b.w - 1.5, b.h - 1.5, legend, lit, art::kGreen);
  if (lit) {
    cairo_save(cr);
    art::SetColour(cr, art::Byte(90, 230, 110));
    cairo_rectangle(cr, b.x + b.w * 0.3, b.y + 2.5, b.w * 0.4, 2);
    cairo_fill(cr);
    cairo_restore(cr);
  }
}

}  // namespace

void DrawAutopilot(art::ArtBook& book) {
  art::Canvas& c = book.Add(320, kFace.w, kFace.h);
  cairo_t* cr = c.cr();
  Faceplate(c, 0, 0, kFace.w, kFace.h);
  // One window behind the four texts.
  const double left = kLateralText.x - 4, top = kLateralText.y - 3;
  const double right = kAltitudeText.x + kAltitudeText.w + 4;
  const double bottom = kVerticalSpeedText.y + kVerticalSpeedText.h + 2;
  art::DisplayWindow(cr, left, top, right - left, bottom - top);
  Legend(cr, "AUTOPILOT", (left + 8) / 2.0 + 4, 38, 11);
  Legend(cr, "VANTOR", (left + 8) / 2.0 + 4, 56, 9, kDimLettering);
  for (const ModeButton& b : kButtons) {
    PushButton(cr, b.icon, b.legend, false);
    art::Canvas& lit = book.Add(b.lit_bitmap, b.icon.w, b.icon.h);
    PushButton(lit.cr(), {0, 0, b.icon.w, b.icon.h}, b.legend, true);
  }
  PushButton(cr, kUpButton, "UP", false);
  PushButton(cr, kDnButton, "DN", false);
  const double vs_x = kUpButton.x + kUpButton.w / 2.0;
  Legend(cr, "VS", vs_x, kUpButton.y - 10, 9, kDimLettering);
}

}  // namespace radios::art_parts
