#include "render/pictures.h"

#include <algorithm>
#include <cmath>

namespace vantor {
namespace {

// The window colour through which a moving image or sprite shows: near
// black, so that pure black stays free to mean "hidden".
constexpr uint32_t kSeeThrough = 0x010101;

uint8_t Scaled(uint32_t channel, double factor) {
  return static_cast<uint8_t>(std::clamp(std::lround(channel * factor), 0L, 255L));
}

}  // namespace

Light LightFor(uint32_t draw_flags, const RenderOptions& options) {
  if (!options.night || (draw_flags & kDrawSelfLuminous)) return Light::Full;
  if (options.panel_lights && (draw_flags & kDrawInstrumentLit)) return Light::Instrument;
  if (options.panel_lights && (draw_flags & kDrawFloodLit)) return Light::Flood;
  return Light::Ambient;
}

Tone ToneOf(Light light) {
  switch (light) {
    case Light::Ambient: return {0.20, 0.21, 0.28};     // moonlight through the canopy
    case Light::Flood: return {0.80, 0.66, 0.50};       // the glareshield lamp, warm and weaker
    case Light::Instrument: return {1.00, 0.88, 0.72};  // the instruments' own incandescent lamps
    case Light::Full: break;
  }
  return {1, 1, 1};
}

uint32_t Lit(uint32_t rgb, Light light) {
  const Tone t = ToneOf(light);
  return uint32_t{Scaled((rgb >> 16) & 0xFF, t.r)} << 16 | uint32_t{Scaled((rgb >> 8) & 0xFF, t.g)} << 8 |
         Scaled(rgb & 0xFF, t.b);
}

cairo_surface_t* PictureCache::Get(LoadedModule& module, int32_t id, PictureUse use, Light light) {
  if (use == PictureUse::WindowShows) light = Light::Full;
  Key key{module.path(), id, use, light};
  auto found = surfaces_.find(key);
  if (found != surfaces_.end()) return found->second.get();

  SurfacePtr surface;
  if (const Image* image = module.Bitmap(id)) {
    const bool mask = use == PictureUse::WindowShows;
    surface.reset(cairo_image_surface_create(mask ? CAIRO_FORMAT_A8 : CAIRO_FORMAT_ARGB32, image->width,
                                             image->height));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < image->height; ++y) {
      unsigned char* row = data + static_cast<size_t>(y) * stride;
      for (int x = 0; x < image->width; ++x) {
        const uint32_t rgb = image->at(x, y) & 0xFFFFFF;
        if (mask) {
          row[x] = rgb == kSeeThrough ? 0xFF : 0;
          continue;
        }
        const bool drawn = use == PictureUse::Opaque || (use == PictureUse::BlackKeyed && rgb != 0) ||
                           (use == PictureUse::WindowOver && rgb != 0 && rgb != kSeeThrough);
        reinterpret_cast<uint32_t*>(row)[x] = drawn ? 0xFF000000 | Lit(rgb, light) : 0;
      }
    }
    cairo_surface_mark_dirty(surface.get());
  }
  return surfaces_.emplace(std::move(key), std::move(surface)).first->second.get();
}

}  // namespace vantor
