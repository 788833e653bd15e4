#include "controls_paint.h"
#include "mainpanel_art.h"

namespace {

// The flap and trim marker: a white bar with grey edges in a black margin,
// pixel for pixel, so its see-through rows are exact.
void DrawMarker(art::Canvas& c) {
  c.FillRect(0, 2, c.width(), 1, art::Byte(192, 192, 192));
  c.FillRect(0, 3, c.width(), 4, art::kWhite);
  c.FillRect(0, 7, c.width(), 1, art::Byte(192, 192, 192));
}

}  // namespace

void DrawControlsArt(art::ArtBook& book) {
  controls::DrawEngineControlPictures(book);
  controls::DrawSwitchPictures(book);

  // The flap and trim scales are painted on the panel behind these
  // see-through bases; only the markers are ours.
  book.Add(339, 45, 95);  // Flap base: pure black
  DrawMarker(book.Add(340, 14, 10));
  book.Add(400, 45, 94);  // trim base: pure black
  DrawMarker(book.Add(401, 14, 10));

  book.Add(352, 50, 50);  // window button hot spot: pure black, shared by all six
}
