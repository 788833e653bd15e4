// Bitmaps 257 and 273: the COM/NAV pair. Each set has a display window
// exactly where its frequency is written and, under its two pairs of tuning
// zones, a large concentric knob for the MHz and a smaller one for the
// decimals, with - and + on the side that lowers and raises.
#include "radio_art.h"

namespace radios::art_parts {
namespace {

using namespace comnav;

void TuningKnobs(cairo_t* cr, const Box& area, const Box (&zones)[4]) {
  // Zones 0 and 1 share the MHz knob, 2 and 3 the decimals knob; each knob
  // sits where its two zones meet and stays inside them.
  for (int pair = 0; pair < 2; ++pair) {
    const Box& lower = zones[2 * pair];
    const Box& raise = zones[2 * pair + 1];
    const double left = area.x + lower.x, right = area.x + raise.x + raise.w;
    const double cx = (left + right) / 2.0;
    const double top = area.y + lower.y, bottom = top + lower.h;
    // Clear of the display window's lower edge, which reaches into the zones.
    const double cy = (top + 14 + bottom) / 2.0 + 2;
    const double outer = pair == 0 ? 29 : 24;
    art::ConcentricKnob(cr, cx, cy, outer, outer * 0.58);
    Legend(cr, "\u2212", left + (cx - outer - left) / 2.0, cy, 15);
    Legend(cr, "+", right - (right - cx - outer) / 2.0, cy, 15);
    Legend(cr, pair == 0 ? "MHz" : "kHz", cx, bottom + 12, 10, kDimLettering);
  }
}

void RadioSet(art::Canvas& c, double x0, const std::string& name, Pos text, const Box& area,
              const Box (&zones)[4]) {
  cairo_t* cr = c.cr();
  Faceplate(c, x0, 0, kFace.w / 2.0, kFace.h);
  art::DisplayWindow(cr, text.x, text.y, kTextBox.w, kTextBox.h);
  art::LabelLeft(cr, name, text.x, text.y - 12, 13, kLettering);
  art::LabelLeft(cr, "USE", text.x + kTextBox.w - 28, text.y - 12, 9, kDimLettering);
  TuningKnobs(cr, area, zones);
  // Volume and ident at the lower left, below the tuning zones.
  PointerKnob(cr, x0 + 48, 222, 14, -2.3);
  Legend(cr, "VOL", x0 + 48, 247, 8, kDimLettering);
  Legend(cr, name.substr(0, 3) == "COM" ? "PULL SQ" : "PULL ID", x0 + 48, 257, 7, kDimLettering);
  art::LabelLeft(cr, "VANTOR", x0 + 205, 250, 11, kDimLettering);
}

void DrawPair(art::ArtBook& book, int id, const std::string& nav_name) {
  art::Canvas& c = book.Add(id, kFace.w, kFace.h);
  RadioSet(c, 0, "COM", kComText, kComArea, kComZones);
  RadioSet(c, kFace.w / 2.0, nav_name, kNavText, kNavArea, kNavZones);
}

}  // namespace

void DrawComNav(art::ArtBook& book) {
  DrawPair(book, 257, "NAV 1");
  DrawPair(book, 273, "NAV 2");
}

}  // namespace radios::art_parts
