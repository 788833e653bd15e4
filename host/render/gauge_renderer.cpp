#include "render/gauge_renderer.h"

#include <algorithm>
#include <cmath>

#include "render/text.h"

namespace vantor {
namespace {

constexpr double kRadians = M_PI / 180.0;
// A failure's cover (action 3): a dark plate over the element.
constexpr uint32_t kCoverRgb = 0x141414;
// Moves beyond this many pixels leave every gauge anyway; holding them
// here keeps Cairo's fixed-point arithmetic inside its range.
constexpr double kFarAway = 1e5;

// The part of the gauge an element covers, in gauge pixels.
struct Box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// How one element's pictures are drawn: which light they are seen in,
// whether black is left out, and how they are resampled.
struct Brush {
  PictureCache& pictures;
  LoadedModule& module;
  Light light;
  bool black_keyed;
  cairo_filter_t filter;

  cairo_surface_t* Picture(int32_t id) const {
    return pictures.Get(module, id, black_keyed ? PictureUse::BlackKeyed : PictureUse::Opaque, light);
  }
  cairo_surface_t* Window(int32_t id, PictureUse use) const { return pictures.Get(module, id, use, light); }
};

int Width(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
int Height(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

double Held(double v) { return std::clamp(v, -kFarAway, kFarAway); }
// Whole turns change nothing and would only cost precision.
double Turn(double degrees) { return std::fmod(degrees, 360.0) * kRadians; }

void Paint(cairo_t* cr, cairo_surface_t* s, double x, double y, cairo_filter_t filter) {
  cairo_set_source_surface(cr, s, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr), filter);
  cairo_paint(cr);
}

// A turned picture is interpolated plainly: averaging (flag 0x80) under a
// turn costs many times more and a turning needle or card shows no thin
// line that plain interpolation would lose.
cairo_filter_t Turning(double angle, cairo_filter_t filter) {
  return std::fmod(angle, 360.0) == 0 ? filter : CAIRO_FILTER_BILINEAR;
}

Box PictureAt(cairo_t* cr, const Brush& b, int32_t id, double x, double y) {
  cairo_surface_t* s = b.Picture(id);
  if (s == nullptr) return {};
  Paint(cr, s, x, y, b.filter);
  return {x, y, x + Width(s), y + Height(s)};
}

// Needles turn clockwise about their pivot, the pivot pixel's centre
// sitting on the position pixel's centre.
Box Needle(cairo_t* cr, const Brush& b, const ElementState& st) {
  const Element& e = *st.element;
  cairo_surface_t* s = b.Picture(e.bitmap_id);
  if (s == nullptr) return {};
  const double cx = e.position.x + 0.5, cy = e.position.y + 0.5;
  const double a = Turn(st.angle);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, a);
  Paint(cr, s, -(e.pivot.x + 0.5), -(e.pivot.y + 0.5), Turning(st.angle, b.filter));

  Box box{cx, cy, cx, cy};
  for (double u : {0.0, 1.0}) {
    for (double v : {0.0, 1.0}) {
      const double px = u * Width(s) - (e.pivot.x + 0.5), py = v * Height(s) - (e.pivot.y + 0.5);
      const double gx = cx + px * std::cos(a) - py * std::sin(a), gy = cy + px * std::sin(a) + py * std::cos(a);
      box = {std::min(box.x0, gx), std::min(box.y0, gy), std::max(box.x1, gx), std::max(box.y1, gy)};
    }
  }
  return box;
}

// A moving image or sprite is seen through its window, the bitmap after
// its picture, fixed at the element's position: where the window is pure
// black the picture is hidden, where it is (1, 1, 1) the picture shows,
// and every other window colour is drawn over the picture.
template <class DrawPicture>
Box ThroughWindow(cairo_t* cr, const Brush& b, const Element& e, DrawPicture draw_picture) {
  cairo_surface_t* shows = b.Window(e.bitmap_id + 1, PictureUse::WindowShows);
  cairo_surface_t* over = b.Window(e.bitmap_id + 1, PictureUse::WindowOver);
  if (shows == nullptr || over == nullptr) return {};
  const double w = Width(shows), h = Height(shows);
  cairo_translate(cr, e.position.x, e.position.y);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  cairo_push_group(cr);
  cairo_save(cr);
  draw_picture();
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
  cairo_mask_surface(cr, shows, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  Paint(cr, over, 0, 0, b.filter);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  return {double(e.position.x), double(e.position.y), e.position.x + w, e.position.y + h};
}

Box MovingImage(cairo_t* cr, const Brush& b, const ElementState& st) {
  const Element& e = *st.element;
  return ThroughWindow(cr, b, e, [&] {
    if (cairo_surface_t* picture = b.Picture(e.bitmap_id))
      Paint(cr, picture, Held(st.offset_x), Held(st.offset_y), b.filter);
  });
}

// The sprite's texture has its centre on the texture centre point and
// turns there, counter-clockwise for a positive rotation (the VOR card
// brings the selected course under the index at the top; the HSI's
// deviation bar, with rotation scale -1, turns with the course pointer).
// The x and y values look into the texture along its own turned axes, in
// gauge pixels: a positive x shows texture further right, so the texture
// slides left.
Box Sprite(cairo_t* cr, const Brush& b, const ElementState& st) {
  const auto& sp = *reinterpret_cast<const SpriteElement*>(st.element);
  const Element& e = sp.base;
  const double sx = sp.texture_scale_x, sy = sp.texture_scale_y;
  return ThroughWindow(cr, b, e, [&] {
    cairo_surface_t* texture = b.Picture(e.bitmap_id);
    if (texture == nullptr || !std::isfinite(sx) || !std::isfinite(sy) || sx == 0 || sy == 0) return;
    cairo_translate(cr, e.pivot.x + 0.5 - e.position.x, e.pivot.y + 0.5 - e.position.y);
    cairo_rotate(cr, -Turn(st.rotation));
    cairo_translate(cr, -Held(st.offset_x), -Held(st.offset_y));
    cairo_scale(cr, std::clamp(sx, -kFarAway, kFarAway), std::clamp(sy, -kFarAway, kFarAway));
    Paint(cr, texture, -Width(texture) / 2.0, -Height(texture) / 2.0, Turning(st.rotation, b.filter));
  });
}

Box Icon(cairo_t* cr, const Brush& b, const ElementState& st) {
  const Element& e = *st.element;
  if (st.frame >= 0) return PictureAt(cr, b, e.bitmap_id + st.frame, e.position.x, e.position.y);
  // No frame shows, but a failure's cover still lies where the icon is.
  cairo_surface_t* first = b.Picture(e.bitmap_id);
  if (first == nullptr) return {};
  return {double(e.position.x), double(e.position.y), double(e.position.x + Width(first)),
          double(e.position.y + Height(first))};
}

Box String(cairo_t* cr, const Brush& b, const ElementState& st, const RenderOptions& options) {
  const auto& s = *reinterpret_cast<const StringElement*>(st.element);
  DrawString(cr, s, st.text, options.active_selections, b.light);
  return {double(s.base.position.x), double(s.base.position.y), double(s.base.position.x) + s.box_width,
          double(s.base.position.y) + s.box_height};
}

Box DrawElement(cairo_t* cr, const Brush& b, const ElementState& st, const RenderOptions& options) {
  const Element& e = *st.element;
  switch (e.kind) {
    case kStaticImage: return PictureAt(cr, b, e.bitmap_id, e.position.x, e.position.y);
    case kNeedle: return Needle(cr, b, st);
    case kString: return String(cr, b, st, options);
    case kSlider:
      return PictureAt(cr, b, e.bitmap_id, e.position.x + Held(st.offset_x), e.position.y + Held(st.offset_y));
    case kIcon: return Icon(cr, b, st);
    case kMovingImage: return MovingImage(cr, b, st);
    case kSprite: return Sprite(cr, b, st);
    default: return {};  // a kind this host does not know draws nothing
  }
}

void Cover(cairo_t* cr, const Box& box, Light light) {
  const uint32_t rgb = Lit(kCoverRgb, light);
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
  cairo_rectangle(cr, box.x0, box.y0, box.x1 - box.x0, box.y1 - box.y0);
  cairo_fill(cr);
}

}  // namespace

void GaugeRenderer::Draw(cairo_t* cr, const GaugeInstance& gauge, const RenderOptions& options) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, gauge.width(), gauge.height());
  cairo_clip(cr);
  // The state list is in tree order: each parent before its children,
  // children in list order, so later entries lie over earlier ones.
  for (const ElementState& state : gauge.elements()) {
    if (!state.drawn()) continue;
    const uint32_t flags = state.element->draw_flags;
    const Brush brush{pictures_, gauge.module(), LightFor(flags, options), (flags & kDrawBlackTransparent) != 0,
                      (flags & kDrawSmooth) ? CAIRO_FILTER_GOOD : CAIRO_FILTER_BILINEAR};
    cairo_save(cr);
    const Box box = DrawElement(cr, brush, state, options);
    cairo_restore(cr);
    if (state.failure == FailureEffect::Covered) Cover(cr, box, brush.light);
  }
  cairo_restore(cr);
}

}  // namespace vantor
