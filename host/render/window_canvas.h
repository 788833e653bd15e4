// One panel window as one ARGB32 picture: its background, then each gauge
// placed on it, in placing order. Each gauge keeps its own rendered
// picture at its placed size, redrawn only when its last update changed
// something; a frame re-composites only the rectangles of those gauges and
// reports them, so a viewer can send only what changed.
#pragma once

#include <cairo.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/gauge_instance.h"
#include "core/module_file.h"
#include "render/gauge_renderer.h"
#include "render/options.h"
#include "render/pictures.h"

namespace vantor {

class WindowCanvas {
 public:
  // Windows may share one renderer, and with it the converted pictures.
  WindowCanvas(int width, int height, std::shared_ptr<GaugeRenderer> renderer = nullptr);

  // The background, stretched to the whole window and lit at night like a
  // flood-lit picture. Without one the window is transparent where no
  // gauge draws.
  void SetBackground(const Image& picture);
  // Throws std::runtime_error when the file is not a readable PNG.
  void SetBackground(const std::string& png_path);

  // Places a gauge with its top-left corner at (x, y), drawn width ×
  // height window pixels; a size of 0 keeps the gauge's proportions, and
  // both 0 is its natural pixel size (the base picture's). The gauge must
  // outlive the canvas or its next Place.
  void Place(const GaugeInstance* gauge, double x, double y, double width = 0, double height = 0);

  // Highlight selections active on one placed gauge only (a tuned radio
  // lights its own digits), besides those of the options. A change
  // redraws that gauge on the next frame.
  void SetSelections(const GaugeInstance* gauge, const std::set<int>& selections);

  // Brings the window up to date with the gauges' last updates and returns
  // the rectangles that changed: those of the gauges whose last update
  // changed something or whose selections changed. Render once after each
  // update: a gauge that changed stays changed until it is updated again.
  // With `full` the whole window is composited again from the gauges'
  // pictures and returned whole. Every gauge is drawn afresh, and the whole
  // window returned, on the first frame, after a Place or SetBackground,
  // and when the options differ from the last frame's.
  std::vector<Rect> Render(const RenderOptions& options, bool full = false);

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_surface_t* surface() const { return surface_.get(); }
  // Throws std::runtime_error when the file cannot be written.
  void WritePng(const std::string& path) const;

 private:
  struct Placement {
    const GaugeInstance* gauge;
    Rect rect;
    SurfacePtr picture;  // the gauge drawn at its placed size
    std::set<int> selections;
    bool stale = true;  // drawn with something that has changed since
    bool opaque = false;  // every pixel of the picture covers what lies below
  };

  void DrawGauge(Placement& placement, const RenderOptions& options);
  void Composite(const Rect& area);

  int width_, height_;
  std::shared_ptr<GaugeRenderer> renderer_;
  SurfacePtr surface_;
  SurfacePtr background_;
  SurfacePtr fitted_background_;  // stretched and lit for the current options
  std::vector<Placement> placements_;
  RenderOptions last_options_;
  bool everything_stale_ = true;
};

}  // namespace vantor
