// Bitmaps 368, 370-372 and 374: the audio panel with its marker lamps
// unlit and every switch down toward PHONE, a frame for each lit lamp, and
// the switch flipped up toward SPEAKER.
#include <cmath>

#include "radio_art.h"

namespace radios::art_parts {
namespace {

using namespace audio;

constexpr double kLampRadius = 12;
constexpr AudioSwitch kSwitches[] = {kAuto, kCom1, kCom2, kNav1, kNav2, kAdf, kDme, kMkr};

struct MarkerLamp {
  art::Rgb colour;
  const char* letter;
};
// Blue outer, amber middle (M), white inner (I), left to right.
constexpr MarkerLamp kMarkers[3] = {
    {art::Byte(40, 110, 255), ""}, {art::Byte(255, 170, 20), "M"}, {art::Byte(245, 245, 235), "I"}};

// Lamp centres relative to the lamp icon: each is centred on its help area.
double LampX(int lamp) { return kLampAreas[lamp].x + kLampAreas[lamp].w / 2.0 - kLamps.x; }
constexpr double kLampY = kLamps.h / 2.0;

void MarkerLampAt(cairo_t* cr, int lamp, double x0, double y0, bool lit) {
  const double cx = x0 + LampX(lamp), cy = y0 + kLampY;
  art::Lamp(cr, cx, cy, kLampRadius, kMarkers[lamp].colour, lit);
  const art::Rgb letter = lit ? art::Byte(60, 40, 10) : kDimLettering;
  if (*kMarkers[lamp].letter) Legend(cr, kMarkers[lamp].letter, cx, cy, 11, letter);
}

// A toggle switch in its own plate, filling the switch box.
void AudioToggle(cairo_t* cr, double x, double y, bool up) {
  cairo_save(cr);
  art::SetColour(cr, art::Byte(24, 24, 26));
  cairo_rectangle(cr, x + 1, y + 1, kSwitch.w - 2, kSwitch.h - 2);
  cairo_fill(cr);
  cairo_restore(cr);
  art::Toggle(cr, x + kSwitch.w / 2.0, y + kSwitch.h / 2.0, 11, up);
}

}  // namespace

void DrawAudio(art::ArtBook& book) {
  art::Canvas& c = book.Add(368, kFace.w, kFace.h);
  cairo_t* cr = c.cr();
  Faceplate(c, 0, 0, kFace.w, kFace.h);

  for (int lamp = 0; lamp < 3; ++lamp) MarkerLampAt(cr, lamp, kLamps.x, kLamps.y, false);
  Legend(cr, "MARKER", kLamps.x + kLamps.w / 2.0, kLamps.y + kLamps.h + 9, 8, kDimLettering);
  for (int lamp = 0; lamp < 3; ++lamp) {
    art::Canvas& lit = book.Add(370 + lamp, kLamps.w, kLamps.h);
    MarkerLampAt(lit.cr(), lamp, 0, 0, true);
  }

  const double row_left = kAuto.at.x, row_right = kMkr.at.x + kSwitch.w;
  for (const AudioSwitch& sw : kSwitches) {
    AudioToggle(cr, sw.at.x, sw.at.y, false);
    Legend(cr, sw.legend, sw.at.x + kSwitch.w / 2.0, sw.at.y - 24, 8.5);
  }
  Legend(cr, "SPEAKER", (row_left + row_right) / 2.0, kCom1.at.y - 9, 8, kDimLettering);
  Legend(cr, "PHONE", (row_left + row_right) / 2.0, kCom1.at.y + kSwitch.h + 10, 8, kDimLettering);
  AudioToggle(book.Add(kSwitchBitmap, kSwitch.w, kSwitch.h).cr(), 0, 0, true);

  // The microphone and intercom selectors at either end have no click zone.
  RotarySelector(cr, 72, 100, 17, {"COM1", "COM2"}, M_PI * 1.3, M_PI * 0.4, "MIC");
  RotarySelector(cr, 535, 72, 22, {"ISO", "ALL", "CREW"}, M_PI * 1.2, M_PI * 0.3, "INTERCOM");
  Legend(cr, "VANTOR", 535, 132, 9, kDimLettering);
}

}  // namespace radios::art_parts
