#include <cmath>

#include "radio_art.h"

namespace radios::art_parts {

void Faceplate(art::Canvas& canvas, double x, double y, double w, double h) {
  cairo_t* cr = canvas.cr();
  cairo_save(cr);
  art::SetColour(cr, kFaceEdge);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.19, 0.19, 0.20);
  cairo_pattern_add_color_stop_rgb(g, 1, kFaceDark.r * 0.8, kFaceDark.g * 0.8, kFaceDark.b * 0.8);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x + 2, y + 2, w - 4, h - 4);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  art::Screws(cr, x, y, w, h, 7, 3.5);
}

void Legend(cairo_t* cr, const std::string& text, double cx, double cy, double size, art::Rgb colour) {
  art::Label(cr, text, cx, cy, size, colour);
}

void Recess(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  art::SetColour(cr, art::Byte(96, 98, 102));
  cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
  cairo_fill(cr);
  art::SetColour(cr, kRecess);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PointerKnob(cairo_t* cr, double cx, double cy, double radius, double angle) {
  art::Knob(cr, cx, cy, radius, art::Byte(70, 70, 74), 24);
  cairo_save(cr);
  art::SetColour(cr, kLettering);
  cairo_set_line_width(cr, std::fmax(1.5, radius * 0.12));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx + radius * 0.25 * std::cos(angle), cy + radius * 0.25 * std::sin(angle));
  cairo_line_to(cr, cx + radius * 0.78 * std::cos(angle), cy + radius * 0.78 * std::sin(angle));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void RotarySelector(cairo_t* cr, double cx, double cy, double radius,
                    const std::vector<std::string>& positions, double first_angle, double step,
                    const std::string& title) {
  for (size_t i = 0; i < positions.size(); ++i) {
    const double a = first_angle + step * static_cast<double>(i);
    cairo_save(cr);
    art::SetColour(cr, kDimLettering);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, cx + (radius + 2) * std::cos(a), cy + (radius + 2) * std::sin(a));
    cairo_line_to(cr, cx + (radius + 6) * std::cos(a), cy + (radius + 6) * std::sin(a));
    cairo_stroke(cr);
    cairo_restore(cr);
    Legend(cr, positions[i], cx + (radius + 15) * std::cos(a), cy + (radius + 13) * std::sin(a), 8.5);
  }
  PointerKnob(cr, cx, cy, radius, first_angle);
  if (!title.empty()) Legend(cr, title, cx, cy + radius + 14, 8.5, kDimLettering);
}

}  // namespace radios::art_parts

// The radio stack's pictures, gauge by gauge.
void DrawModuleArt(art::ArtBook& book) {
  using namespace radios::art_parts;
  DrawComNav(book);
  DrawDrums(book);
  DrawAutopilot(book);
  DrawDme(book);
  DrawAudio(book);
}
