// The modules' bitmaps as Cairo surfaces, decoded and converted once per
// module file, picture id, use and light, and kept for every later frame.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "core/module.h"
#include "render/options.h"

namespace vantor {

// Draw flag meanings the host gives the bits that the modules leave open.
inline constexpr uint32_t kDrawFloodLit = 0x2;          // lit by the panel flood light at night
inline constexpr uint32_t kDrawSelfLuminous = 0x4;      // a display or lamp that makes its own light
inline constexpr uint32_t kDrawSmooth = 0x80;           // resampled with an area-averaging filter
inline constexpr uint32_t kDrawInstrumentLit = 0x4000;  // lit by the instrument's own lamps at night

// The light a picture is seen in; each scales its colours.
enum class Light {
  Full,        // day, and self-luminous pictures at night
  Ambient,     // night, nothing lights the picture
  Flood,       // night, panel lights on, draw flag 0x2
  Instrument,  // night, panel lights on, draw flag 0x4000
};

struct Tone {
  double r, g, b;  // factors applied to each colour channel
};

Light LightFor(uint32_t draw_flags, const RenderOptions& options);
Tone ToneOf(Light light);
// A COLORREF-free colour (0x00RRGGBB) as the light shows it.
uint32_t Lit(uint32_t rgb, Light light);

// How a bitmap is used; each use is its own surface.
enum class PictureUse {
  Opaque,       // every pixel drawn
  BlackKeyed,   // pure black (0, 0, 0) left out: draw flag 0x1
  WindowShows,  // alpha mask of a window: opaque where the window is (1, 1, 1)
  WindowOver,   // a window's own marks: every colour but (0, 0, 0) and (1, 1, 1)
};

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

class PictureCache {
 public:
  // Null when the module has no bitmap of that id. The surface belongs to
  // the cache. Masks (WindowShows) do not depend on the light.
  cairo_surface_t* Get(LoadedModule& module, int32_t id, PictureUse use, Light light);
  // How many surfaces have been built: each decoded bitmap is converted
  // once per use and light, however often it is drawn.
  size_t built() const { return surfaces_.size(); }

 private:
  using Key = std::tuple<std::string, int32_t, PictureUse, Light>;
  std::map<Key, SurfacePtr> surfaces_;
};

}  // namespace vantor
