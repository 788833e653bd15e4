#include "art.h"
#include "mainpanel_art.h"

// Vantor2 draws two families: the instruments and the controls.
void DrawModuleArt(art::ArtBook& book) {
  DrawInstrumentArt(book);
  DrawControlsArt(book);
}
