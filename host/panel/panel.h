// A running panel: the modules a configuration names, one gauge instance
// per gauge line, the token variables with the avionics model and an
// optional scenario, the panel windows with their visibility, and the
// drawing of each window. It is also the service table's sink: what a
// module asks of the host during an update or a click lands here.
//
// Data flows one way: scenario/person → variables → gauge updates →
// window pictures; clicks come back through the mouse rectangles to key
// events (into the avionics model) or module handlers (into module state
// and window services).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "config/panel_config.h"
#include "core/gauge_instance.h"
#include "core/module.h"
#include "core/mouse.h"
#include "core/services.h"
#include "core/variables.h"
#include "model/avionics.h"
#include "render/window_canvas.h"
#include "scenario/scenario.h"

namespace vantor {

// How long a tuned radio shows what the knob changed in the highlight colour.
inline constexpr double kHighlightSeconds = 3.0;

struct PlacedGauge {
  const GaugePlacement* placement;
  std::unique_ptr<GaugeInstance> instance;
  std::unique_ptr<MouseMap> mouse;
  Rect rect;                     // window pixels
  double scale_x = 1, scale_y = 1;  // window pixels per gauge pixel
  std::set<int> selections;      // active highlight selections
  double selection_left = 0;     // seconds until they go out
};

struct PanelWindow {
  const WindowConfig* config;
  bool visible = false;
  std::unique_ptr<WindowCanvas> canvas;
  std::vector<PlacedGauge> gauges;
};

// What lies under the pointer.
struct PointerInfo {
  std::string gauge;      // empty over no gauge
  int32_t cursor = -1;    // the child's cursor: 1 raise, 2 lower, 5 press
  uint32_t help_id = 0;
  std::string help_text;
};

// One rectangle of a window over which the pointer finds the same thing,
// resolved exactly as Pointer and Click resolve it, so a viewer can show
// cursors and help texts without asking at every pointer move.
struct HitArea {
  Rect rect;                 // window pixels
  int gauge = -1;            // the placed gauge's index in its window
  int child = -1;            // index into that gauge's mouse children(); -1 where only a help text is
  int32_t cursor = -1;
  uint32_t help_id = 0;
  uint32_t mouse_flags = 0;  // the child's: which mouse actions reach it
};

struct WindowChange {
  std::string op;  // "toggle", "open", "close"
  uint32_t id;
  int32_t result;
};

struct ClickReport {
  PointerInfo pointer;
  MouseHit::Kind hit = MouseHit::None;
  bool acted = false;
  int32_t result = 0;
  std::vector<std::pair<uint32_t, uint32_t>> key_events;  // (event, value)
  std::vector<WindowChange> windows;
};

class Panel : public ServiceSink {
 public:
  // Loads the modules the configuration names from module_dir and places
  // every gauge. Throws LoadError or ConfigError.
  Panel(PanelConfig config, const std::string& module_dir);
  ~Panel() override;

  const PanelConfig& config() const { return config_; }
  const std::vector<PanelWindow>& windows() const { return windows_; }
  const PanelWindow* Window(uint32_t id) const;
  const std::map<std::string, std::unique_ptr<LoadedModule>>& modules() const { return modules_; }

  VariableStore& vars() { return vars_; }
  FailureSet& failures() { return failures_; }  // the person's; power failures are added on update
  Avionics& avionics() { return avionics_; }

  // Scenario playback. Without a scenario, time still passes for the
  // avionics model.
  void SetScenario(std::optional<Scenario> scenario);
  const std::optional<Scenario>& scenario() const { return scenario_; }
  void Play() { playing_ = true; }
  void Pause() { playing_ = false; }
  bool playing() const { return playing_; }
  void SetSpeed(double speed);
  double speed() const { return speed_; }
  // Jumps to a moment of the scenario and applies it at once.
  void Seek(double seconds);
  double time() const { return time_; }

  // Lets wall-clock time pass: the scenario plays on (and loops at its
  // end), the avionics model ticks, highlights fade.
  void Advance(double seconds);
  // Updates every gauge of every visible window (of every window with
  // `all`, for drawing a window that is closed).
  void Update(bool all = false);

  // Lighting for drawing.
  bool night = false;
  bool panel_lights = false;

  // Draws a window; returns the rectangles that changed (all of it when
  // asked for `full`). A hidden window is drawn all the same.
  std::vector<Rect> Render(uint32_t window_id, bool full = false);
  WindowCanvas& Canvas(uint32_t window_id);

  PointerInfo Pointer(uint32_t window_id, int x, int y) const;
  // Every piece of the window that has a cursor or a help text, none
  // overlapping; empty for a window the panel does not have.
  std::vector<HitArea> HitMap(uint32_t window_id) const;
  // A mouse action at a window point; kMouseDrag moves the engine levers.
  // A click on a lever holds it: the drags that follow move that lever
  // wherever the pointer goes, until the next click.
  ClickReport Click(uint32_t window_id, int x, int y, uint32_t mouse_flags = kMouseLeftSingle);

  // Counts every change of window visibility, so viewers know when to
  // lay their windows out again.
  uint64_t layout_version() const { return layout_version_; }

  // ServiceSink: what modules ask of the host.
  int32_t TriggerKeyEvent(uint32_t key_event, uint32_t value) override;
  void LookupVar(ModuleVar* var) override;
  int32_t TogglePanelWindow(uint32_t window_id) override;
  int32_t OpenPanelWindow(uint32_t window_id) override;
  int32_t ClosePanelWindow(uint32_t window_id) override;

 private:
  PanelWindow* MutableWindow(uint32_t id);
  int32_t SetVisible(const char* op, uint32_t id, std::optional<bool> visible);
  std::pair<const PlacedGauge*, MouseHit> Find(const PanelWindow& w, int x, int y) const;

  PanelConfig config_;
  std::map<std::string, std::unique_ptr<LoadedModule>> modules_;
  VariableStore vars_;
  FailureSet failures_;
  Avionics avionics_;
  std::shared_ptr<GaugeRenderer> renderer_;
  std::vector<PanelWindow> windows_;

  std::optional<Scenario> scenario_;
  bool playing_ = false;
  double speed_ = 1;
  double time_ = 0;
  uint64_t layout_version_ = 0;

  // What a click is doing, while it runs.
  ClickReport* recording_ = nullptr;

  // The lever last pressed: drags go to it until the next click.
  struct HeldLever {
    uint32_t window;
    PlacedGauge* gauge;
    const MouseRect* child;
    int box_x, box_y;  // the child's box, in gauge pixels
  };
  std::optional<HeldLever> lever_;
};

// The radios' highlight selection that a tuning key event lights.
std::optional<int> SelectionOfKeyEvent(uint32_t key_event);

}  // namespace vantor
