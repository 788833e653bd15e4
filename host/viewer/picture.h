// Pieces of a window's picture as the page receives them: PNG files of a
// rectangle, carried as base64 text inside the event stream.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/options.h"

namespace vantor::viewer {

// The rectangle of an ARGB32 surface as a PNG with straight (not
// premultiplied) alpha. The rectangle is clipped to the surface; an empty
// one gives an empty string.
std::string EncodePng(cairo_surface_t* surface, const Rect& rect);

std::string Base64(std::string_view bytes);

// A window's picture as the browsers have it. A gauge that changed often
// changes in a few pixels only (a needle, a digit): a frame sends just the
// rectangle around the pixels that differ from what was sent before.
class SentPicture {
 public:
  // The whole surface has been sent.
  void Take(cairo_surface_t* surface);
  // The smallest rectangle inside `area` whose pixels differ from what was
  // sent, now taken as sent; empty when nothing there differs.
  Rect Changed(cairo_surface_t* surface, const Rect& area);

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace vantor::viewer
