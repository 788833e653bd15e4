#pragma once
#include "art.h"

void DrawInstrumentArt(art::ArtBook& book);  // engine clusters, compass, air temperature, ammeter
void DrawControlsArt(art::ArtBook& book);    // controls, switches, lamps, flaps, trim, window buttons
