#include "render/window_canvas.h"

#include <cmath>
#include <stdexcept>

namespace vantor {
namespace {

SurfacePtr NewSurface(int width, int height) {
  return SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 0), std::max(height, 0)));
}

// Adds a rectangle to a list of disjoint ones, joining it with any it
// touches so no area is sent twice.
void AddDirty(std::vector<Rect>& dirty, Rect rect) {
  if (rect.empty()) return;
  for (bool joined = true; joined;) {
    joined = false;
    for (auto it = dirty.begin(); it != dirty.end(); ++it) {
      if (it->Overlaps(rect)) {
        rect = rect.Union(*it);
        dirty.erase(it);
        joined = true;
        break;
      }
    }
  }
  dirty.push_back(rect);
}

// The panel's own surface is lit like a flood-lit picture: by day as it
// is, at night by the panel flood light or only by the night ambient.
Light BackgroundLight(const RenderOptions& options) { return LightFor(kDrawFloodLit, options); }

// The background stretched to the window and lit, once per change of
// options: each later frame copies its pixels unchanged, so a rectangle redrawn
// alone matches the same rectangle of a full frame exactly.
SurfacePtr FittedBackground(cairo_surface_t* picture, Light light, int width, int height) {
  SurfacePtr fitted = NewSurface(width, height);
  const int pw = cairo_image_surface_get_width(picture), ph = cairo_image_surface_get_height(picture);
  cairo_t* cr = cairo_create(fitted.get());
  if (pw > 0 && ph > 0) cairo_scale(cr, double(width) / pw, double(height) / ph);
  cairo_set_source_surface(cr, picture, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  // Stretching must not blend the edge pixels with the nothing beyond.
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(fitted.get());
  unsigned char* data = cairo_image_surface_get_data(fitted.get());
  const int stride = cairo_image_surface_get_stride(fitted.get());
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) row[x] = (row[x] & 0xFF000000) | Lit(row[x] & 0xFFFFFF, light);
  }
  cairo_surface_mark_dirty(fitted.get());
  return fitted;
}

// Whether no pixel of a picture lets what lies below show through.
bool Opaque(cairo_surface_t* picture) {
  cairo_surface_flush(picture);
  const unsigned char* data = cairo_image_surface_get_data(picture);
  const int stride = cairo_image_surface_get_stride(picture);
  const int width = cairo_image_surface_get_width(picture), height = cairo_image_surface_get_height(picture);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x)
      if ((row[x] >> 24) != 0xFF) return false;
  }
  return true;
}

}  // namespace

WindowCanvas::WindowCanvas(int width, int height, std::shared_ptr<GaugeRenderer> renderer)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      renderer_(renderer ? std::move(renderer) : std::make_shared<GaugeRenderer>()),
      surface_(NewSurface(width_, height_)) {}

void WindowCanvas::SetBackground(const Image& picture) {
  background_ = NewSurface(picture.width, picture.height);
  cairo_surface_flush(background_.get());
  unsigned char* data = cairo_image_surface_get_data(background_.get());
  const int stride = cairo_image_surface_get_stride(background_.get());
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < picture.width; ++x) row[x] = 0xFF000000 | (picture.at(x, y) & 0xFFFFFF);
  }
  cairo_surface_mark_dirty(background_.get());
  everything_stale_ = true;
}

void WindowCanvas::SetBackground(const std::string& png_path) {
  SurfacePtr png(cairo_image_surface_create_from_png(png_path.c_str()));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot read the background picture " + png_path + ": " +
                             cairo_status_to_string(cairo_surface_status(png.get())));
  background_ = std::move(png);
  everything_stale_ = true;
}

void WindowCanvas::Place(const GaugeInstance* gauge, double x, double y, double width, double height) {
  const double natural_w = gauge->width(), natural_h = gauge->height();
  if (width <= 0 && height <= 0) {
    width = natural_w;
    height = natural_h;
  } else if (width <= 0) {
    width = natural_h > 0 ? height * natural_w / natural_h : 0;
  } else if (height <= 0) {
    height = natural_w > 0 ? width * natural_h / natural_w : 0;
  }
  // Gauges land on whole window pixels, so that their cached pictures are
  // copied, never resampled, onto the window.
  const Rect rect{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
                  static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
  placements_.push_back({gauge, rect, nullptr, {}, true});
  everything_stale_ = true;
}

void WindowCanvas::SetSelections(const GaugeInstance* gauge, const std::set<int>& selections) {
  for (Placement& p : placements_) {
    if (p.gauge != gauge || p.selections == selections) continue;
    p.selections = selections;
    p.stale = true;
  }
}

std::vector<Rect> WindowCanvas::Render(const RenderOptions& options, bool full) {
  const bool redraw_all = everything_stale_ || !(options == last_options_);
  full = full || redraw_all;
  const Rect window{0, 0, width_, height_};
  std::vector<Rect> dirty;
  for (Placement& p : placements_) {
    if (!redraw_all && !p.stale && !p.gauge->changed()) continue;
    DrawGauge(p, options);
    if (!full) AddDirty(dirty, p.rect.Intersect(window));
  }
  if (redraw_all && background_)
    fitted_background_ = FittedBackground(background_.get(), BackgroundLight(options), width_, height_);
  if (full) dirty = window.empty() ? std::vector<Rect>{} : std::vector<Rect>{window};
  for (const Rect& area : dirty) Composite(area);
  cairo_surface_flush(surface_.get());
  last_options_ = options;
  everything_stale_ = false;
  return dirty;
}

void WindowCanvas::DrawGauge(Placement& p, const RenderOptions& options) {
  p.picture = NewSurface(p.rect.width, p.rect.height);
  p.stale = false;
  p.opaque = false;
  if (p.rect.empty() || p.gauge->width() <= 0 || p.gauge->height() <= 0) return;
  cairo_t* cr = cairo_create(p.picture.get());
  cairo_scale(cr, double(p.rect.width) / p.gauge->width(), double(p.rect.height) / p.gauge->height());
  RenderOptions own = options;
  own.active_selections.insert(p.selections.begin(), p.selections.end());
  renderer_->Draw(cr, *p.gauge, own);
  cairo_destroy(cr);
  p.opaque = Opaque(p.picture.get());
}

void WindowCanvas::Composite(const Rect& area) {
  cairo_t* cr = cairo_create(surface_.get());
  cairo_rectangle(cr, area.x, area.y, area.width, area.height);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  if (fitted_background_) cairo_set_source_surface(cr, fitted_background_.get(), 0, 0);
  else cairo_set_source_rgba(cr, 0, 0, 0, 0);
  cairo_paint(cr);
  for (const Placement& p : placements_) {
    const Rect part = p.rect.Intersect(area);
    if (part.empty()) continue;
    // An opaque picture is copied; only one with see-through pixels blends.
    cairo_set_operator(cr, p.opaque ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(cr, p.picture.get(), p.rect.x, p.rect.y);
    cairo_rectangle(cr, part.x, part.y, part.width, part.height);
    cairo_fill(cr);
  }
  cairo_destroy(cr);
}

void WindowCanvas::WritePng(const std::string& path) const {
  const cairo_status_t status = cairo_surface_write_to_png(surface_.get(), path.c_str());
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path + ": " + cairo_status_to_string(status));
}

}  // namespace vantor
