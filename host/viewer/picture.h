// Pieces of a window's picture as the page receives them: PNG files of a
// rectangle, carried as base64 text inside the event stream.
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>

#include "render/options.h"

namespace vantor::viewer {

// The rectangle of an ARGB32 surface as a PNG with straight (not
// premultiplied) alpha. The rectangle is clipped to the surface; an empty
// one gives an empty string.
std::string EncodePng(cairo_surface_t* surface, const Rect& rect);

std::string Base64(std::string_view bytes);

}  // namespace vantor::viewer
