#include "art.h"

#include <cmath>
#include <stdexcept>

namespace art {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      cr_(cairo_create(surface_)) {
  Fill(kBlack);
}

Canvas::Canvas(Canvas&& o) noexcept
    : width_(o.width_), height_(o.height_), surface_(o.surface_), cr_(o.cr_) {
  o.surface_ = nullptr;
  o.cr_ = nullptr;
}

Canvas::~Canvas() {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

void SetColour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void Canvas::Fill(Rgb colour) { FillRect(0, 0, width_, height_, colour); }

void Canvas::FillRect(double x, double y, double w, double h, Rgb colour) {
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  SetColour(cr_, colour);
  cairo_rectangle(cr_, x, y, w, h);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

static int ToByte(double v) {
  return static_cast<int>(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255.0));
}

void Canvas::SetPixel(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  cairo_surface_flush(surface_);
  unsigned char* row = cairo_image_surface_get_data(surface_) +
                       static_cast<size_t>(y) * cairo_image_surface_get_stride(surface_);
  uint32_t px = (0xFFu << 24) | (ToByte(c.r) << 16) | (ToByte(c.g) << 8) | ToByte(c.b);
  reinterpret_cast<uint32_t*>(row)[x] = px;
  cairo_surface_mark_dirty(surface_);
}

Rgb Canvas::GetPixel(int x, int y) const {
  cairo_surface_flush(surface_);
  const unsigned char* row = cairo_image_surface_get_data(surface_) +
                             static_cast<size_t>(y) * cairo_image_surface_get_stride(surface_);
  uint32_t px = reinterpret_cast<const uint32_t*>(row)[x];
  return Byte((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

void Canvas::Paste(const Canvas& from, double x, double y) {
  cairo_save(cr_);
  cairo_set_source_surface(cr_, from.surface(), x, y);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

static void SelectFace(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

void Label(cairo_t* cr, const std::string& text, double cx, double cy, double size, Rgb colour,
           bool bold) {
  cairo_save(cr);
  SelectFace(cr, size, bold);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  SetColour(cr, colour);
  cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

void LabelLeft(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb colour,
               bool bold) {
  cairo_save(cr);
  SelectFace(cr, size, bold);
  SetColour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

double AngleTo(double px, double py, double x, double y) { return std::atan2(y - py, x - px); }

void DialMarks(cairo_t* cr, double px, double py, const std::vector<DialPoint>& points,
               const MarkStyle& s) {
  cairo_save(cr);
  SetColour(cr, s.colour);
  cairo_set_line_width(cr, s.width);
  for (const DialPoint& p : points) {
    double a = AngleTo(px, py, p.x, p.y);
    cairo_move_to(cr, px + s.inner * std::cos(a), py + s.inner * std::sin(a));
    cairo_line_to(cr, px + s.outer * std::cos(a), py + s.outer * std::sin(a));
    cairo_stroke(cr);
    if (s.label_radius > 0 && !p.label.empty())
      Label(cr, p.label, px + s.label_radius * std::cos(a), py + s.label_radius * std::sin(a),
            s.label_size, s.colour);
  }
  cairo_restore(cr);
}

void MinorMarks(cairo_t* cr, double px, double py, const std::vector<DialPoint>& points,
                int per_gap, const MarkStyle& s) {
  std::vector<DialPoint> minors;
  for (size_t i = 1; i < points.size(); ++i) {
    double a0 = AngleTo(px, py, points[i - 1].x, points[i - 1].y);
    double a1 = AngleTo(px, py, points[i].x, points[i].y);
    double d = std::remainder(a1 - a0, 2 * M_PI);  // the short way round
    for (int k = 1; k <= per_gap; ++k) {
      double a = a0 + d * k / (per_gap + 1);
      minors.push_back({px + 100 * std::cos(a), py + 100 * std::sin(a), ""});
    }
  }
  DialMarks(cr, px, py, minors, s);
}

void ArcBand(cairo_t* cr, double cx, double cy, double radius, double width, double from,
             double to, Rgb colour) {
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, radius, from, to);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DialFace(cairo_t* cr, double cx, double cy, double radius, Rgb face, Rgb rim) {
  cairo_save(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
  cairo_pattern_add_color_stop_rgb(g, 0, rim.r * 1.4, rim.g * 1.4, rim.b * 1.4);
  cairo_pattern_add_color_stop_rgb(g, 1, rim.r * 0.5, rim.g * 0.5, rim.b * 0.5);
  cairo_set_source(cr, g);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, face);
  cairo_arc(cr, cx, cy, radius * 0.92, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

void NeedleShape(cairo_t* cr, double x0, double x1, double cy, double width, Rgb colour) {
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_move_to(cr, x0, cy - width / 2);
  cairo_line_to(cr, x1 - width, cy - width / 3);
  cairo_line_to(cr, x1, cy);
  cairo_line_to(cr, x1 - width, cy + width / 3);
  cairo_line_to(cr, x0, cy + width / 2);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Knob(cairo_t* cr, double cx, double cy, double r, Rgb c, int ridges) {
  cairo_save(cr);
  SetColour(cr, Rgb{c.r * 0.5, c.g * 0.5, c.b * 0.5});
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  // Knurling: short dark notches round the rim.
  SetColour(cr, Rgb{c.r * 0.25, c.g * 0.25, c.b * 0.25});
  cairo_set_line_width(cr, std::fmax(1.0, r * 0.06));
  for (int i = 0; i < ridges; ++i) {
    double a = 2 * M_PI * i / ridges;
    cairo_move_to(cr, cx + r * 0.86 * std::cos(a), cy + r * 0.86 * std::sin(a));
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    cairo_stroke(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r * 0.85);
  cairo_pattern_add_color_stop_rgb(g, 0, std::fmin(1, c.r * 1.6 + 0.15), std::fmin(1, c.g * 1.6 + 0.15),
                                   std::fmin(1, c.b * 1.6 + 0.15));
  cairo_pattern_add_color_stop_rgb(g, 1, c.r * 0.7, c.g * 0.7, c.b * 0.7);
  cairo_set_source(cr, g);
  cairo_arc(cr, cx, cy, r * 0.84, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void ConcentricKnob(cairo_t* cr, double cx, double cy, double outer, double inner) {
  Knob(cr, cx, cy, outer, Byte(60, 60, 64), 36);
  Knob(cr, cx, cy, inner, Byte(80, 80, 86), 20);
}

void Rocker(cairo_t* cr, double x, double y, double w, double h, bool on, const std::string& label) {
  cairo_save(cr);
  SetColour(cr, Byte(20, 20, 20));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  double half = h / 2;
  double ytop = y + 2, ybot = y + half;
  // The pressed half is darker and sunk in.
  SetColour(cr, on ? Byte(40, 40, 40) : Byte(90, 90, 92));
  cairo_rectangle(cr, x + 2, ytop, w - 4, half - 2);
  cairo_fill(cr);
  SetColour(cr, on ? Byte(90, 90, 92) : Byte(40, 40, 40));
  cairo_rectangle(cr, x + 2, ybot, w - 4, half - 2);
  cairo_fill(cr);
  if (on) {
    SetColour(cr, kWhite);
    cairo_rectangle(cr, x + w / 2 - 1, ytop + 3, 2, std::fmax(2.0, half / 3));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  if (!label.empty()) Label(cr, label, x + w / 2, y + h + 8, 8, kMarkWhite);
}

void Toggle(cairo_t* cr, double cx, double cy, double size, bool up) {
  cairo_save(cr);
  Knob(cr, cx, cy, size * 0.45, Byte(150, 150, 155), 12);
  double tip = up ? cy - size : cy + size;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, Byte(200, 200, 205));
  cairo_set_line_width(cr, size * 0.3);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, tip);
  cairo_stroke(cr);
  SetColour(cr, kWhite);
  cairo_arc(cr, cx, tip, size * 0.22, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Lamp(cairo_t* cr, double cx, double cy, double r, Rgb c, bool lit) {
  cairo_save(cr);
  SetColour(cr, Byte(30, 30, 30));
  cairo_arc(cr, cx, cy, r * 1.2, 0, 2 * M_PI);
  cairo_fill(cr);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(g, 0, std::fmin(1, c.r + 0.5), std::fmin(1, c.g + 0.5),
                                     std::fmin(1, c.b + 0.5));
    cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  } else {
    SetColour(cr, Rgb{c.r * 0.3, c.g * 0.3, c.b * 0.3});
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::fmin(r, std::fmin(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Button(cairo_t* cr, double x, double y, double w, double h, const std::string& legend,
            bool lit, Rgb lit_colour) {
  cairo_save(cr);
  RoundedRectPath(cr, x, y, w, h, std::fmin(w, h) * 0.15);
  SetColour(cr, Byte(34, 34, 36));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(110, 110, 115));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  Label(cr, legend, x + w / 2, y + h / 2, std::fmin(h * 0.45, w * 0.3), lit ? lit_colour : Byte(160, 160, 160));
}

void DisplayWindow(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  SetColour(cr, Byte(90, 90, 95));
  cairo_rectangle(cr, x - 3, y - 3, w + 6, h + 6);
  cairo_fill(cr);
  SetColour(cr, Byte(8, 8, 8));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Screws(cairo_t* cr, double x, double y, double w, double h, double inset, double radius) {
  const double xs[2] = {x + inset, x + w - inset};
  const double ys[2] = {y + inset, y + h - inset};
  for (double sx : xs)
    for (double sy : ys) {
      Knob(cr, sx, sy, radius, Byte(120, 120, 124), 0);
      cairo_save(cr);
      SetColour(cr, Byte(30, 30, 30));
      cairo_set_line_width(cr, std::fmax(1.0, radius * 0.25));
      cairo_move_to(cr, sx - radius * 0.7, sy);
      cairo_line_to(cr, sx + radius * 0.7, sy);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
}

void DrumStrip(Canvas& canvas, double step, double top, double digit_size) {
  cairo_t* cr = canvas.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, canvas.width(), 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.05, 0.05);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.16, 0.16, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.05, 0.05);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  for (int d = 0; top + d * step < canvas.height(); ++d)
    Label(cr, std::to_string(d % 10), canvas.width() / 2.0, top + d * step + step / 2, digit_size, kWhite);
}

void PanelTexture(Canvas& canvas, Rgb base) {
  canvas.Fill(base);
  cairo_t* cr = canvas.cr();
  cairo_save(cr);
  cairo_set_line_width(cr, 1);
  for (int y = 0; y < canvas.height(); y += 2) {
    double shade = ((y * 7919) % 13) / 13.0 * 0.04 - 0.02;
    cairo_set_source_rgb(cr, base.r + shade, base.g + shade, base.b + shade);
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, canvas.width(), y + 0.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

Canvas& ArtBook::Add(int id, int width, int height) {
  auto [it, inserted] = pictures_.try_emplace(id, width, height);
  if (!inserted) throw std::runtime_error("bitmap " + std::to_string(id) + " drawn twice");
  return it->second;
}

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas) {
  const int w = canvas.width(), h = canvas.height();
  const int row_bytes = (w * 3 + 3) & ~3;
  const uint32_t image_size = static_cast<uint32_t>(row_bytes) * h;
  const uint32_t file_size = 54 + image_size;
  std::vector<uint8_t> out(file_size, 0);
  auto put16 = [&](size_t at, uint32_t v) { out[at] = v & 0xFF; out[at + 1] = (v >> 8) & 0xFF; };
  auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF); put16(at + 2, v >> 16); };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, file_size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  put16(26, 1);
  put16(28, 24);
  put32(34, image_size);
  put32(38, 2835);
  put32(42, 2835);
  cairo_surface_flush(canvas.surface());
  const unsigned char* data = cairo_image_surface_get_data(canvas.surface());
  const int stride = cairo_image_surface_get_stride(canvas.surface());
  for (int y = 0; y < h; ++y) {
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    uint8_t* dst = out.data() + 54 + static_cast<size_t>(h - 1 - y) * row_bytes;  // bottom-up
    for (int x = 0; x < w; ++x) {
      dst[3 * x + 0] = src[x] & 0xFF;
      dst[3 * x + 1] = (src[x] >> 8) & 0xFF;
      dst[3 * x + 2] = (src[x] >> 16) & 0xFF;
    }
  }
  return out;
}

}  // namespace art
