// Drawing one gauge: every element of its tree, children over parents,
// from its module's bitmaps and the element states of its last update.
#pragma once

#include <cairo.h>

#include "core/gauge_instance.h"
#include "render/options.h"
#include "render/pictures.h"

namespace vantor {

class GaugeRenderer {
 public:
  // Draws the gauge in its own pixels, (0, 0) to width × height, clipped
  // to that rectangle, over whatever `cr` holds; the caller's transform
  // places and scales it.
  void Draw(cairo_t* cr, const GaugeInstance& gauge, const RenderOptions& options);

  const PictureCache& pictures() const { return pictures_; }

 private:
  PictureCache pictures_;
};

}  // namespace vantor
