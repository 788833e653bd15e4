// String elements: the module's text in its box, face, colours and
// highlights.
#pragma once

#include <cairo.h>

#include <set>
#include <string>

#include "gauge.h"
#include "render/pictures.h"

namespace vantor {

// The font family this machine draws a face in. "Quartz", the radios'
// display face, is a segment display: DSEG7 Classic for texts of digits
// and signs, DSEG14 Classic for texts with letters. Other faces are asked
// of fontconfig by their own name.
std::string FontFamilyFor(const char* face, const std::string& text);

// Draws `text` in the string's box at its position, in gauge pixels.
void DrawString(cairo_t* cr, const StringElement& string, const std::string& text,
                const std::set<int>& active_selections, Light light);

}  // namespace vantor
