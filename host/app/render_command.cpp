#include "app/render_command.h"

#include <cairo.h>

#include <cstdio>
#include <iostream>
#include <stdexcept>

namespace vantor {
namespace {

constexpr int kGap = 16;  // between windows on the whole-panel picture

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

void WritePng(cairo_surface_t* s, const std::string& path) {
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path);
}

const PlacedGauge* FindGauge(const Panel& panel, const std::string& name) {
  for (const PanelWindow& w : panel.windows())
    for (const PlacedGauge& g : w.gauges)
      if (g.placement->gauge == name) return &g;
  return nullptr;
}

// Every visible window side by side on a dark ground, in configuration order.
Surface Compose(Panel& panel) {
  int width = 0, height = 0;
  for (const PanelWindow& w : panel.windows()) {
    if (!w.visible) continue;
    width += (width ? kGap : 0) + w.config->width;
    height = std::max(height, w.config->height);
  }
  Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 1), std::max(height, 1)));
  cairo_t* cr = cairo_create(out.get());
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.09);
  cairo_paint(cr);
  int x = 0;
  for (const PanelWindow& w : panel.windows()) {
    if (!w.visible) continue;
    panel.Render(w.config->id);
    cairo_set_source_surface(cr, panel.Canvas(w.config->id).surface(), x, 0);
    cairo_paint(cr);
    x += w.config->width + kGap;
  }
  cairo_destroy(cr);
  return out;
}

void WriteOne(Panel& panel, const RenderRequest& r, const std::string& path,
              std::unique_ptr<WindowCanvas>& gauge_canvas) {
  if (!r.gauge.empty()) {
    const PlacedGauge* g = FindGauge(panel, r.gauge);
    if (gauge_canvas == nullptr) {
      gauge_canvas = std::make_unique<WindowCanvas>(g->instance->width(), g->instance->height());
      gauge_canvas->Place(g->instance.get(), 0, 0);
    }
    RenderOptions options;
    options.night = r.night;
    options.panel_lights = r.lights;
    gauge_canvas->Render(options);
    gauge_canvas->WritePng(path);
  } else if (r.window) {
    panel.Render(*r.window);
    panel.Canvas(*r.window).WritePng(path);
  } else {
    WritePng(Compose(panel).get(), path);
  }
}

std::string FramePath(const std::string& output, int frame) {
  const auto dot = output.rfind('.');
  const std::string stem = dot == std::string::npos ? output : output.substr(0, dot);
  const std::string ext = dot == std::string::npos ? ".png" : output.substr(dot);
  char number[16];
  std::snprintf(number, sizeof number, "-%04d", frame);
  return stem + number + ext;
}

void Progress(int done, int total) {
  const int width = 40, filled = total ? done * width / total : width;
  std::cerr << "\r[" << std::string(filled, '#') << std::string(width - filled, '.') << "] " << done << "/" << total
            << std::flush;
  if (done == total) std::cerr << "\n";
}

}  // namespace

void RunRender(const RenderRequest& r) {
  if (!(r.fps > 0 && r.fps <= 1000)) throw std::invalid_argument("--fps must be above 0 and at most 1000");
  if (r.frames < 0 || r.frames > 100000) throw std::invalid_argument("--frames must be 0 to 100000");
  std::vector<std::pair<uint32_t, double>> sets;
  for (const std::string& a : r.assignments) sets.push_back(ParseAssignment(a));

  auto panel = OpenSession(r.session);
  if (r.window && panel->Window(*r.window) == nullptr)
    throw std::invalid_argument("the panel has no window " + std::to_string(*r.window));
  if (!r.gauge.empty() && FindGauge(*panel, r.gauge) == nullptr)
    throw std::invalid_argument("the panel places no gauge named \"" + r.gauge + "\"");
  panel->night = r.night;
  panel->panel_lights = r.lights;
  panel->Seek(r.time);

  auto apply = [&] {
    for (auto [id, value] : sets) panel->vars().Set(id, value);
    panel->Update(true);
  };
  std::unique_ptr<WindowCanvas> gauge_canvas;
  if (r.frames == 0) {
    apply();
    WriteOne(*panel, r, r.output, gauge_canvas);
    return;
  }
  panel->Play();
  for (int f = 0; f < r.frames; ++f) {
    if (f > 0) panel->Advance(1.0 / r.fps);
    apply();
    WriteOne(*panel, r, FramePath(r.output, f), gauge_canvas);
    if (r.progress) Progress(f + 1, r.frames);
  }
}

}  // namespace vantor
