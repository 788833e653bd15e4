#include "mainpanel_art.h"

void DrawInstrumentArt(art::ArtBook&) {}
