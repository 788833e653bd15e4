#include "panel_paint.h"

#include <cmath>
#include <stdexcept>

namespace panel_art {

using art::Byte;
using art::SetColour;

Rect Placed(const vantor::WindowConfig& window, std::string_view gauge) {
  for (const vantor::GaugePlacement& g : window.gauges)
    if (g.gauge == gauge) {
      if (g.width == 0 || g.height == 0)
        throw std::runtime_error(window.section + ": the art needs " + g.gauge + "'s width and height");
      return {double(g.x), double(g.y), double(g.width), double(g.height)};
    }
  throw std::runtime_error(window.section + " places no " + std::string(gauge));
}

void PanelSheet(art::Canvas& canvas, double shield_depth) {
  art::PanelTexture(canvas, Byte(52, 54, 58));
  cairo_t* cr = canvas.cr();
  const double w = canvas.width();
  // The glare shield's lip sags a little towards the middle, as the cowl does.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w, 0);
  cairo_line_to(cr, w, shield_depth * 0.7);
  cairo_curve_to(cr, w * 0.75, shield_depth * 1.05, w * 0.25, shield_depth * 1.05, 0, shield_depth * 0.7);
  cairo_close_path(cr);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, shield_depth);
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.05, 0.05, 0.06);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.11, 0.11, 0.12);
  cairo_set_source(cr, shade);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shade);
  // Its padded edge and the shadow it casts on the panel.
  cairo_set_line_width(cr, 5);
  SetColour(cr, Byte(8, 8, 9));
  cairo_stroke(cr);
  cairo_move_to(cr, 0, shield_depth * 0.7 + 5);
  cairo_curve_to(cr, w * 0.25, shield_depth * 1.05 + 5, w * 0.75, shield_depth * 1.05 + 5, w, shield_depth * 0.7 + 5);
  cairo_set_line_width(cr, 6);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_stroke(cr);
}

void Screw(cairo_t* cr, double cx, double cy, double radius) {
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_pattern_t* head = cairo_pattern_create_radial(cx - radius / 3, cy - radius / 3, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgb(head, 0, 0.75, 0.75, 0.74);
  cairo_pattern_add_color_stop_rgb(head, 1, 0.30, 0.30, 0.31);
  cairo_set_source(cr, head);
  cairo_fill(cr);
  cairo_pattern_destroy(head);
  cairo_move_to(cr, cx - radius * 0.7, cy + radius * 0.3);
  cairo_line_to(cr, cx + radius * 0.7, cy - radius * 0.3);
  cairo_set_line_width(cr, std::max(1.0, radius / 3));
  SetColour(cr, Byte(40, 40, 42));
  cairo_stroke(cr);
}

namespace {

// Fills the current path as a cut-out in the panel: black inside, its edge
// shadowed at the upper left and catching the light at the lower right.
void CutOutLip(cairo_t* cr, double lip) {
  cairo_path_t* path = cairo_copy_path(cr);
  SetColour(cr, art::Byte(6, 6, 7));
  cairo_fill(cr);
  auto edge = [&](double offset, double grey, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, offset, offset);
    cairo_append_path(cr, path);
    cairo_set_source_rgba(cr, grey, grey, grey, alpha);
    cairo_set_line_width(cr, lip);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  edge(lip / 2, 1, 0.16);
  edge(-lip / 3, 0, 0.6);
  cairo_path_destroy(path);
}

void CornerScrews(cairo_t* cr, const Rect& r, double inset, double radius) {
  for (double x : {r.x + inset, r.right() - inset})
    for (double y : {r.y + inset, r.bottom() - inset}) Screw(cr, x, y, radius);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double corner) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - corner, y + corner, corner, -M_PI / 2, 0);
  cairo_arc(cr, x + w - corner, y + h - corner, corner, 0, M_PI / 2);
  cairo_arc(cr, x + corner, y + h - corner, corner, M_PI / 2, M_PI);
  cairo_arc(cr, x + corner, y + corner, corner, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

}  // namespace

void RoundHole(cairo_t* cr, const Rect& gauge, double margin) {
  const double radius = std::min(gauge.w, gauge.h) / 2 + margin;
  // The instrument's square mounting flange behind the hole.
  Rect flange{gauge.cx() - radius - margin, gauge.cy() - radius - margin, 2 * (radius + margin), 2 * (radius + margin)};
  RoundedRect(cr, flange.x, flange.y, flange.w, flange.h, margin * 2);
  SetColour(cr, Byte(38, 39, 42));
  cairo_fill(cr);
  cairo_arc(cr, gauge.cx(), gauge.cy(), radius, 0, 2 * M_PI);
  CutOutLip(cr, 3);
  CornerScrews(cr, flange, margin * 1.2, std::max(2.5, margin * 0.55));
}

void SquareHole(cairo_t* cr, const Rect& gauge, double margin) {
  RoundedRect(cr, gauge.x - margin, gauge.y - margin, gauge.w + 2 * margin, gauge.h + 2 * margin, margin * 1.5);
  CutOutLip(cr, 3);
}

void Recess(cairo_t* cr, const Rect& area, double margin) {
  RoundedRect(cr, area.x - margin, area.y - margin, area.w + 2 * margin, area.h + 2 * margin, margin);
  CutOutLip(cr, 2);
}

void Slot(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, w / 2);
  CutOutLip(cr, 2);
}

void Placard(cairo_t* cr, const Rect& area) {
  RoundedRect(cr, area.x, area.y, area.w, area.h, 3);
  SetColour(cr, Byte(10, 10, 11));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Byte(120, 120, 116));
  cairo_stroke(cr);
}

void Letter(cairo_t* cr, const std::string& text, double cx, double cy, double size) {
  art::Label(cr, text, cx, cy, size, kSilkscreen);
}

void AvionicsRack(art::Canvas& canvas, const vantor::WindowConfig& window) {
  canvas.Fill(Byte(16, 16, 18));
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  // Side rails with their row of captive-nut holes.
  for (double x : {4.0, w - 14.0}) {
    cairo_rectangle(cr, x, 0, 10, h);
    cairo_pattern_t* rail = cairo_pattern_create_linear(x, 0, x + 10, 0);
    cairo_pattern_add_color_stop_rgb(rail, 0, 0.42, 0.43, 0.45);
    cairo_pattern_add_color_stop_rgb(rail, 0.5, 0.62, 0.63, 0.65);
    cairo_pattern_add_color_stop_rgb(rail, 1, 0.32, 0.33, 0.35);
    cairo_set_source(cr, rail);
    cairo_fill(cr);
    cairo_pattern_destroy(rail);
    for (double y = 10; y < h - 5; y += 18) {
      cairo_arc(cr, x + 5, y, 2, 0, 2 * M_PI);
      SetColour(cr, Byte(12, 12, 13));
      cairo_fill(cr);
    }
  }
  // Each unit sits in a tray a little larger than its face, held by two
  // screws on either side.
  for (const vantor::GaugePlacement& g : window.gauges) {
    Rect unit{double(g.x), double(g.y), double(g.width), double(g.height)};
    RoundedRect(cr, unit.x - 5, unit.y - 5, unit.w + 10, unit.h + 10, 4);
    SetColour(cr, Byte(44, 45, 48));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Byte(90, 92, 96));
    cairo_stroke(cr);
    for (double x : {unit.x - 0.5, unit.right() + 0.5})
      for (double y : {unit.y + 7, unit.bottom() - 7}) Screw(cr, x, y, 3);
  }
}

}  // namespace panel_art
