#include "controls_paint.h"

#include <algorithm>
#include <cmath>

namespace controls::paint {

using art::Byte;
using art::SetColour;

Rgb Scale(Rgb c, double f) {
  Rgb out{std::min(1.0, c.r * f), std::min(1.0, c.g * f), std::min(1.0, c.b * f)};
  if (out.r + out.g + out.b < kDeepShadow.r + kDeepShadow.g + kDeepShadow.b) return kDeepShadow;
  return out;
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

void CylinderGradient(cairo_t* cr, double x0, double x1, Rgb c) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
  const Rgb dark = Scale(c, 0.45), light = Scale(c, 1.35);
  cairo_pattern_add_color_stop_rgb(g, 0, dark.r, dark.g, dark.b);
  cairo_pattern_add_color_stop_rgb(g, 0.35, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

void Lines(cairo_t* cr, const std::vector<std::string>& lines, double cx, double cy, double size, Rgb colour) {
  const double step = size * 1.25;
  double y = cy - step * (static_cast<double>(lines.size()) - 1) / 2;
  for (const std::string& line : lines) {
    art::Label(cr, line, cx, y, size, colour);
    y += step;
  }
}

double FitSize(cairo_t* cr, const std::vector<std::string>& lines, double width, double height, double size) {
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  double widest = 0;
  for (const std::string& line : lines) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, line.c_str(), &ext);
    widest = std::max(widest, ext.width);
  }
  cairo_restore(cr);
  const double tallest = size * 1.25 * static_cast<double>(lines.size());
  return size * std::min({1.0, widest > 0 ? width / widest : 1.0, height / tallest});
}

void RecessedPanel(art::Canvas& canvas, double inset) {
  art::PanelTexture(canvas, Byte(66, 68, 72));
  cairo_t* cr = canvas.cr();
  const double w = canvas.width() - 2 * inset, h = canvas.height() - 2 * inset;
  cairo_save(cr);
  art::RoundedRectPath(cr, inset, inset, w, h, 6);
  VerticalGradient(cr, inset, inset + h, Byte(40, 42, 45), Byte(54, 56, 60));
  cairo_fill(cr);
  // Light falls from above: the upper lip casts a shadow into the recess
  // and the lower lip catches the light.
  cairo_set_line_width(cr, 2);
  SetColour(cr, Byte(24, 25, 27));
  cairo_move_to(cr, inset + 1, inset + h - 6);
  cairo_line_to(cr, inset + 1, inset + 1);
  cairo_line_to(cr, inset + w - 6, inset + 1);
  cairo_stroke(cr);
  SetColour(cr, Byte(112, 114, 118));
  cairo_move_to(cr, inset + 6, inset + h - 1);
  cairo_line_to(cr, inset + w - 1, inset + h - 1);
  cairo_line_to(cr, inset + w - 1, inset + 6);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// One paddle of a rocker: the raised half is lit from above, the pressed
// half sinks into shadow, and a crease marks the pivot.
static void Paddle(cairo_t* cr, double x, double y, double w, double h, bool upper_pressed, Rgb colour) {
  const double mid = y + h / 2;
  cairo_save(cr);
  art::RoundedRectPath(cr, x, y, w, h, 2);
  cairo_clip(cr);
  const Rgb raised_top = Scale(colour, 1.08), raised_bottom = Scale(colour, 0.86);
  const Rgb sunk_top = Scale(colour, 0.55), sunk_bottom = Scale(colour, 0.7);
  VerticalGradient(cr, y, mid, upper_pressed ? sunk_top : raised_top, upper_pressed ? sunk_bottom : raised_bottom);
  cairo_rectangle(cr, x, y, w, h / 2);
  cairo_fill(cr);
  VerticalGradient(cr, mid, y + h, upper_pressed ? raised_bottom : sunk_bottom, upper_pressed ? raised_top : sunk_top);
  cairo_rectangle(cr, x, mid, w, h / 2);
  cairo_fill(cr);
  SetColour(cr, Scale(colour, 0.35));
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, x, mid);
  cairo_line_to(cr, x + w, mid);
  cairo_stroke(cr);
  // A highlight along the raised edge, away from the crease.
  SetColour(cr, Scale(colour, 1.25));
  cairo_set_line_width(cr, 1);
  const double edge = upper_pressed ? y + h - 1.5 : y + 1.5;
  cairo_move_to(cr, x + 2, edge);
  cairo_line_to(cr, x + w - 2, edge);
  cairo_stroke(cr);
  cairo_restore(cr);
}

static void Bezel(cairo_t* cr, Box box) {
  art::RoundedRectPath(cr, box.x + 0.5, box.y + 0.5, box.w - 1, box.h - 1, 3);
  SetColour(cr, Byte(34, 34, 36));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(96, 96, 100));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void WhiteRocker(cairo_t* cr, Box box, bool on, const std::vector<std::string>& legend) {
  cairo_save(cr);
  Bezel(cr, box);
  const double px = box.x + 3, py = box.y + 3, pw = box.w - 6, ph = box.h - 6;
  Paddle(cr, px, py, pw, ph, on, kIvory);
  // The legend is printed on the upper half, clear of the crease.
  const double size = FitSize(cr, legend, pw - 4, ph / 2 - 4, 6.0);
  Lines(cr, legend, px + pw / 2, py + ph / 4, size, Byte(40, 40, 46));
  cairo_restore(cr);
}

void SplitRocker(cairo_t* cr, Box box, int bat_paddle_width, bool bat_on, bool alt_on) {
  cairo_save(cr);
  Bezel(cr, box);
  const Rgb red = Byte(196, 34, 28);
  const double py = box.y + 3, ph = box.h - 6;
  const double bat_x = box.x + 2, bat_w = bat_paddle_width - 3;
  const double alt_x = box.x + bat_paddle_width + 1, alt_w = box.w - bat_paddle_width - 3;
  Paddle(cr, bat_x, py, bat_w, ph, bat_on, red);
  Paddle(cr, alt_x, py, alt_w, ph, alt_on, red);
  art::Label(cr, "BAT", bat_x + bat_w / 2, py + ph * 0.27, 5.6, art::kWhite);
  art::Label(cr, "ALT", alt_x + alt_w / 2, py + ph * 0.27, 5.6, art::kWhite);
  cairo_restore(cr);
}

void ThumbWheel(cairo_t* cr, Box box, bool mark_high) {
  cairo_save(cr);
  art::RoundedRectPath(cr, box.x + 0.5, box.y + 0.5, box.w - 1, box.h - 1, 3);
  SetColour(cr, Byte(22, 22, 24));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(90, 90, 94));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The drum turns about a horizontal axis: brightest where it faces the
  // pilot, falling away into shadow at the top and bottom of the slot.
  const double wx = box.x + 4, wy = box.y + 3, ww = box.w - 8, wh = box.h - 6;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, wy, 0, wy + wh);
  const Rgb dark = Byte(30, 30, 32), light = Byte(120, 120, 126);
  cairo_pattern_add_color_stop_rgb(g, 0, dark.r, dark.g, dark.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, wx, wy, ww, wh);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Ribs, closer together towards the edges where the drum curves away.
  cairo_set_line_width(cr, 1);
  for (double a = -1.45; a <= 1.45; a += 0.16) {
    const double y = wy + wh / 2 + std::sin(a) * wh / 2;
    SetColour(cr, Byte(18, 18, 20));
    cairo_move_to(cr, wx, std::floor(y) + 0.5);
    cairo_line_to(cr, wx + ww, std::floor(y) + 0.5);
    cairo_stroke(cr);
  }
  const double mark_y = mark_high ? wy + wh * 0.22 : wy + wh * 0.78;
  SetColour(cr, art::kWhite);
  cairo_rectangle(cr, wx, std::round(mark_y) - 1, ww, 3);
  cairo_fill(cr);
  cairo_restore(cr);
}

void ToggleSwitch(cairo_t* cr, Box box, bool up) {
  const double size = std::min(box.w, box.h);
  const double cx = box.x + box.w / 2.0, cy = box.y + box.h / 2.0;
  cairo_save(cr);
  // Mounting washer and hex nut.
  SetColour(cr, Byte(70, 70, 74));
  cairo_arc(cr, cx, cy, size * 0.3, 0, 2 * M_PI);
  cairo_fill(cr);
  const double nut = size * 0.22;
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    const double a = M_PI / 6 + i * M_PI / 3;
    cairo_line_to(cr, cx + nut * std::cos(a), cy + nut * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - nut, cy - nut, cx + nut, cy + nut);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.86, 0.88);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.36, 0.38);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, Byte(40, 40, 42));
  cairo_arc(cr, cx, cy, size * 0.1, 0, 2 * M_PI);
  cairo_fill(cr);
  // The lever widens towards its tip, which leans towards the pilot.
  const double reach = size * 0.36, dir = up ? -1 : 1;
  const double base_half = size * 0.055, tip_half = size * 0.085;
  const double tip_y = cy + dir * reach;
  cairo_move_to(cr, cx - base_half, cy);
  cairo_line_to(cr, cx - tip_half, tip_y);
  cairo_line_to(cr, cx + tip_half, tip_y);
  cairo_line_to(cr, cx + base_half, cy);
  cairo_close_path(cr);
  CylinderGradient(cr, cx - tip_half, cx + tip_half, kChrome);
  cairo_fill(cr);
  cairo_arc(cr, cx, tip_y, tip_half * 1.05, 0, 2 * M_PI);
  cairo_pattern_t* ball = cairo_pattern_create_radial(cx - tip_half * 0.4, tip_y - tip_half * 0.4, 0, cx, tip_y,
                                                      tip_half * 1.05);
  cairo_pattern_add_color_stop_rgb(ball, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(ball, 1, 0.45, 0.46, 0.48);
  cairo_set_source(cr, ball);
  cairo_fill(cr);
  cairo_pattern_destroy(ball);
  cairo_restore(cr);
}

void KeyCap(cairo_t* cr, Box box, const std::string& letter) {
  cairo_save(cr);
  art::RoundedRectPath(cr, box.x + 0.5, box.y + 0.5, box.w - 1, box.h - 1, 3);
  VerticalGradient(cr, box.y, box.y + box.h, Byte(222, 222, 216), Byte(150, 150, 146));
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(70, 70, 72));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  art::Label(cr, letter, box.x + box.w / 2.0, box.y + box.h / 2.0, box.h * 0.58, Byte(30, 30, 34));
  cairo_restore(cr);
}

void LampCap(cairo_t* cr, Box box, const std::string& legend, Rgb colour, bool lit) {
  cairo_save(cr);
  art::RoundedRectPath(cr, box.x, box.y, box.w, box.h, 4);
  VerticalGradient(cr, box.y, box.y + box.h, Byte(88, 88, 92), Byte(44, 44, 48));
  cairo_fill(cr);
  const double lx = box.x + 5, ly = box.y + 5, lw = box.w - 10, lh = box.h - 10;
  art::RoundedRectPath(cr, lx, ly, lw, lh, 2);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(lx + lw / 2, ly + lh / 2, 1, lx + lw / 2, ly + lh / 2, lw * 0.75);
    const Rgb hot = Scale(colour, 1.5);
    cairo_pattern_add_color_stop_rgb(g, 0, std::min(1.0, hot.r + 0.2), std::min(1.0, hot.g + 0.2),
                                     std::min(1.0, hot.b + 0.1));
    cairo_pattern_add_color_stop_rgb(g, 1, colour.r, colour.g, colour.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    art::Label(cr, legend, lx + lw / 2, ly + lh / 2, 11, Byte(40, 16, 8));
  } else {
    SetColour(cr, Scale(colour, 0.22));
    cairo_fill(cr);
    art::Label(cr, legend, lx + lw / 2, ly + lh / 2, 11, Scale(colour, 0.5));
  }
  // Glass reflection along the top of the lens.
  cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.25 : 0.1);
  cairo_rectangle(cr, lx + 2, ly + 2, lw - 4, 3);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace controls::paint
