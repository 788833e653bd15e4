// Bitmaps 288, 289, 290 and 304: the transponder and ADF faces, the digit
// strip both drums turn, and the window the strip is seen through. Each
// face has a sunken window exactly where a drum turns and a knob centred in
// the click zone under it.
#include <cmath>

#include "radio_art.h"

namespace radios::art_parts {
namespace {

constexpr double kKnobRadius = 16;

double CentreX(const Box& b) { return b.x + b.w / 2.0; }
double CentreY(const Box& b) { return b.y + b.h / 2.0; }

void DrumWindow(cairo_t* cr, Pos at) { Recess(cr, at.x, at.y, drum::kWindow.w, drum::kWindow.h); }

void DigitKnob(cairo_t* cr, const Box& zone) {
  PointerKnob(cr, CentreX(zone), CentreY(zone), kKnobRadius, -M_PI / 2);
}

void DrawStrip(art::ArtBook& book) {
  // Digit d is centred in the window when the strip has moved d steps up.
  art::Canvas& strip = book.Add(drum::kStripBitmap, drum::kStrip.w, drum::kStrip.h);
  const double top = drum::kWindow.h / 2.0 - drum::kDigitStep / 2.0;
  art::DrumStrip(strip, drum::kDigitStep, top, 17);

  // The window is see-through except for the shadow of the drum's curve at
  // its top and bottom edges.
  art::Canvas& window = book.Add(drum::kWindowBitmap, drum::kWindow.w, drum::kWindow.h);
  window.Fill(art::kNearBlack);
  window.FillRect(0, 0, drum::kWindow.w, 1, art::Byte(30, 30, 32));
  window.FillRect(0, drum::kWindow.h - 1, drum::kWindow.w, 1, art::Byte(30, 30, 32));
}

void DrawTransponder(art::ArtBook& book) {
  using namespace transponder;
  art::Canvas& c = book.Add(288, kFace.w, kFace.h);
  cairo_t* cr = c.cr();
  Faceplate(c, 0, 0, kFace.w, kFace.h);
  RotarySelector(cr, 62, 60, 20, {"OFF", "SBY", "ON", "ALT", "TST"}, M_PI * 0.85, M_PI * 0.325, "");
  Legend(cr, "XPDR", 62, 112, 10, kDimLettering);
  // Reply lamp.
  art::Lamp(cr, 122, 30, 5, art::kAmber, false);
  Legend(cr, "R", 122, 44, 8, kDimLettering);
  for (int digit = 0; digit < 4; ++digit) {
    DrumWindow(cr, kDrums[digit]);
    DigitKnob(cr, kKnobs[digit]);
  }
  Legend(cr, "VANTOR TRANSPONDER", (kKnobs[3].x + kKnobs[0].x + kKnobs[0].w) / 2.0, 110, 9, kDimLettering);
}

void DrawAdf(art::ArtBook& book) {
  using namespace adf;
  art::Canvas& c = book.Add(304, kFace.w, kFace.h);
  cairo_t* cr = c.cr();
  Faceplate(c, 0, 0, kFace.w, kFace.h);
  RotarySelector(cr, 62, 62, 20, {"ANT", "ADF", "BFO"}, M_PI * 1.2, M_PI * 0.3, "");
  Legend(cr, "MODE", 62, 114, 9, kDimLettering);
  art::Button(cr, 130, 52, 42, 24, "TEST", false);
  for (int digit = 0; digit < 3; ++digit) {
    DrumWindow(cr, kDrums[digit]);
    DigitKnob(cr, kKnobs[digit]);
  }
  const Pos units = kDrums[0];
  Legend(cr, "kHz", units.x + drum::kWindow.w + 17, units.y + drum::kWindow.h / 2.0, 10, kDimLettering);
  Legend(cr, "ADF", 205, 42, 14);
  Legend(cr, "VANTOR", (kKnobs[2].x + kKnobs[0].x + kKnobs[0].w) / 2.0, 120, 9, kDimLettering);
}

}  // namespace

void DrawDrums(art::ArtBook& book) {
  DrawStrip(book);
  DrawTransponder(book);
  DrawAdf(book);
}

}  // namespace radios::art_parts
