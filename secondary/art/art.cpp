#include "secondary_art.h"

void DrawModuleArt(art::ArtBook& book) {
  DrawVor2rpmArt(book);
  DrawEngineDialArt(book);
  DrawTrimWheelArt(book);
  DrawWindowButtonArt(book);
}
