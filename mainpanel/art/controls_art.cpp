#include "mainpanel_art.h"

void DrawControlsArt(art::ArtBook&) {}
