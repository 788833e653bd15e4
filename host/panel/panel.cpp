#include "panel.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "model/catalogue.h"

namespace vantor {

std::optional<int> SelectionOfKeyEvent(uint32_t e) {
  // The COM strings light their MHz digits (selection 4) or decimals (5)
  // while those are tuned; the NAV strings light both together (1).
  switch (e) {
    case 0x10064: case 0x10065: case 0x10384: case 0x10385: return 4;
    case 0x10066: case 0x10067: case 0x10386: case 0x10388: return 5;
    case 0x10068: case 0x10069: case 0x1006a: case 0x1006b:
    case 0x1006c: case 0x1006d: case 0x1006e: case 0x1006f: return 1;
    default: return std::nullopt;
  }
}

Panel::Panel(PanelConfig config, const std::string& module_dir)
    : config_(std::move(config)), avionics_(vars_), renderer_(std::make_shared<GaugeRenderer>()) {
  PrepareVariables(vars_);
  std::map<std::string, const LoadedModule*> loaded;
  for (const std::string& name : ModulesUsed(config_)) {
    auto module = LoadedModule::Load(module_dir + "/" + name + ".gau");
    loaded[name] = module.get();
    modules_[name] = std::move(module);
  }
  ValidatePanelConfig(config_, loaded);

  ActiveSink active(this);
  windows_.reserve(config_.windows.size());
  for (const WindowConfig& wc : config_.windows) {
    PanelWindow& w = windows_.emplace_back();
    w.config = &wc;
    w.visible = wc.visible;
    w.canvas = std::make_unique<WindowCanvas>(wc.width, wc.height, renderer_);
    if (!wc.background.empty()) w.canvas->SetBackground(wc.background);
    w.gauges.reserve(wc.gauges.size());
    for (const GaugePlacement& p : wc.gauges) {
      LoadedModule& module = *modules_.at(p.module);
      PlacedGauge& g = w.gauges.emplace_back();
      g.placement = &p;
      g.instance = std::make_unique<GaugeInstance>(module, module.gauge(p.gauge), this);
      const GaugeInstance& gi = *g.instance;
      const PixelSize size = PlacedSize(p, gi.header()->default_width_mm, gi.width(), gi.height());
      g.rect = {p.x, p.y, size.width, size.height};
      g.scale_x = gi.width() > 0 ? double(size.width) / gi.width() : 1;
      g.scale_y = gi.height() > 0 ? double(size.height) / gi.height() : 1;
      g.mouse = std::make_unique<MouseMap>(gi.header()->mouse, gi.width(), gi.height());
      w.canvas->Place(g.instance.get(), p.x, p.y, size.width, size.height);
    }
  }
  Update();
}

Panel::~Panel() {
  ActiveSink active(this);
  windows_.clear();  // the gauges go before their modules
}

const PanelWindow* Panel::Window(uint32_t id) const {
  for (const PanelWindow& w : windows_)
    if (w.config->id == id) return &w;
  return nullptr;
}

PanelWindow* Panel::MutableWindow(uint32_t id) { return const_cast<PanelWindow*>(Window(id)); }

WindowCanvas& Panel::Canvas(uint32_t id) {
  PanelWindow* w = MutableWindow(id);
  if (w == nullptr) throw std::out_of_range("the panel has no window " + std::to_string(id));
  return *w->canvas;
}

void Panel::SetScenario(std::optional<Scenario> scenario) {
  scenario_ = std::move(scenario);
  time_ = 0;
  if (scenario_) scenario_->Apply(0, vars_);
}

void Panel::SetSpeed(double speed) {
  if (!std::isfinite(speed) || speed <= 0 || speed > 100)
    throw std::invalid_argument("speed must be above 0 and at most 100");
  speed_ = speed;
}

void Panel::Seek(double seconds) {
  if (!std::isfinite(seconds)) throw std::invalid_argument("time must be a number");
  const double end = scenario_ ? scenario_->duration() : 0;
  time_ = std::fmin(std::fmax(seconds, 0.0), end);
  if (scenario_) scenario_->Apply(time_, vars_);
}

void Panel::Advance(double seconds) {
  if (!std::isfinite(seconds) || seconds <= 0) return;
  if (playing_ && scenario_) {
    time_ += seconds * speed_;
    if (scenario_->duration() > 0 && time_ > scenario_->duration()) time_ = std::fmod(time_, scenario_->duration());
    scenario_->Apply(time_, vars_);
  }
  avionics_.Tick(seconds);
  for (PanelWindow& w : windows_)
    for (PlacedGauge& g : w.gauges)
      if (!g.selections.empty() && (g.selection_left -= seconds) <= 0) g.selections.clear();
}

void Panel::Update(bool all) {
  FailureSet effective = failures_;
  avionics_.PowerFailures(effective);
  const HostContext context{vars_, effective, this};
  for (PanelWindow& w : windows_) {
    if (!w.visible && !all) continue;
    for (PlacedGauge& g : w.gauges) g.instance->Update(context);
  }
}

std::vector<Rect> Panel::Render(uint32_t window_id, bool full) {
  PanelWindow* w = MutableWindow(window_id);
  if (w == nullptr) throw std::out_of_range("the panel has no window " + std::to_string(window_id));
  RenderOptions options;
  options.night = night;
  options.panel_lights = panel_lights;
  for (PlacedGauge& g : w->gauges) w->canvas->SetSelections(g.instance.get(), g.selections);
  return w->canvas->Render(options, full);
}

std::pair<const PlacedGauge*, MouseHit> Panel::Find(const PanelWindow& w, int x, int y) const {
  // The topmost gauge with something to click wins; failing that, the
  // topmost with a help text there.
  const PlacedGauge* help_gauge = nullptr;
  MouseHit help_hit;
  for (auto it = w.gauges.rbegin(); it != w.gauges.rend(); ++it) {
    const PlacedGauge& g = *it;
    if (x < g.rect.x || y < g.rect.y || x >= g.rect.x + g.rect.width || y >= g.rect.y + g.rect.height) continue;
    const int gx = static_cast<int>(std::floor((x - g.rect.x) / g.scale_x));
    const int gy = static_cast<int>(std::floor((y - g.rect.y) / g.scale_y));
    const MouseHit hit = g.mouse->At(gx, gy);
    if (hit.kind != MouseHit::None) return {&g, hit};
    if (help_gauge == nullptr && hit.help_id != 0) {
      help_gauge = &g;
      help_hit = hit;
    }
  }
  return {help_gauge, help_hit};
}

PointerInfo Panel::Pointer(uint32_t window_id, int x, int y) const {
  PointerInfo info;
  const PanelWindow* w = Window(window_id);
  if (w == nullptr) return info;
  auto [g, hit] = Find(*w, x, y);
  if (g == nullptr) return info;
  info.gauge = g->placement->gauge;
  info.cursor = hit.cursor;
  info.help_id = hit.help_id;
  info.help_text = std::string(HelpText(hit.help_id));
  return info;
}

namespace {

// The window coordinates, from `start` to `start + length`, where the gauge
// pixel under the pointer (floor of the offset over `scale`) reaches one of
// the gauge's box edges: the only places where a hit on it can change.
void AddCrossings(std::set<int>& out, int start, int length, double scale, const std::set<int64_t>& edges) {
  out.insert(start);
  out.insert(start + length);
  int64_t before = 0;
  for (int i = 0; i < length; ++i) {
    const auto at = static_cast<int64_t>(std::floor(i / scale));
    if (i > 0) {
      auto e = edges.upper_bound(before);
      if (e != edges.end() && *e <= at) out.insert(start + i);
    }
    before = at;
  }
}

}  // namespace

std::vector<HitArea> Panel::HitMap(uint32_t window_id) const {
  std::vector<HitArea> out;
  const PanelWindow* w = Window(window_id);
  if (w == nullptr) return out;
  const int width = w->config->width, height = w->config->height;
  std::set<int> xs{0, width}, ys{0, height};
  for (const PlacedGauge& g : w->gauges) {
    std::set<int64_t> ex, ey;
    for (const auto* areas : {&g.mouse->parents(), &g.mouse->children()})
      for (const PlacedArea& a : *areas) {
        ex.insert({a.box.x, int64_t{a.box.x} + a.box.w});
        ey.insert({a.box.y, int64_t{a.box.y} + a.box.h});
      }
    AddCrossings(xs, g.rect.x, g.rect.width, g.scale_x, ex);
    AddCrossings(ys, g.rect.y, g.rect.height, g.scale_y, ey);
  }
  std::erase_if(xs, [&](int x) { return x < 0 || x > width; });
  std::erase_if(ys, [&](int y) { return y < 0 || y > height; });
  const std::vector<int> cx(xs.begin(), xs.end()), cy(ys.begin(), ys.end());

  // Between crossings every gauge sees the same box edges, so one probe
  // per cell finds what the whole cell finds. Runs of equal cells in a row
  // become one area, and an area grows downwards while the next row has
  // the same run.
  using Key = std::tuple<const PlacedGauge*, const MouseRect*, uint32_t>;
  struct Open {
    HitArea area;
    Key key;
  };
  std::vector<Open> open, next;
  auto close = [&](const Open& o) { out.push_back(o.area); };
  for (size_t j = 0; j + 1 < cy.size(); ++j) {
    next.clear();
    for (size_t i = 0; i + 1 < cx.size();) {
      const auto [g, hit] = Find(*w, cx[i], cy[j]);
      const Key key{g, hit.child, hit.help_id};
      size_t end = i + 1;
      while (end + 1 < cx.size()) {
        const auto [g2, hit2] = Find(*w, cx[end], cy[j]);
        if (Key{g2, hit2.child, hit2.help_id} != key) break;
        ++end;
      }
      if (g != nullptr) {
        HitArea a;
        a.rect = {cx[i], cy[j], cx[end] - cx[i], cy[j + 1] - cy[j]};
        a.gauge = static_cast<int>(g - w->gauges.data());
        a.cursor = hit.cursor;
        a.help_id = hit.help_id;
        if (hit.child != nullptr) {
          const auto& children = g->mouse->children();
          for (size_t c = 0; c < children.size(); ++c)
            if (children[c].rect == hit.child) a.child = static_cast<int>(c);
          a.mouse_flags = hit.child->mouse_flags;
        }
        next.push_back({a, key});
      }
      i = end;
    }
    // Continue the areas of the row above that this row repeats.
    for (Open& n : next) {
      auto above = std::find_if(open.begin(), open.end(), [&](const Open& o) {
        return o.key == n.key && o.area.rect.x == n.area.rect.x && o.area.rect.width == n.area.rect.width;
      });
      if (above == open.end()) continue;
      n.area.rect.y = above->area.rect.y;
      n.area.rect.height += above->area.rect.height;
      open.erase(above);
    }
    for (const Open& o : open) close(o);
    open.swap(next);
  }
  for (const Open& o : open) close(o);
  std::sort(out.begin(), out.end(), [](const HitArea& a, const HitArea& b) {
    return std::tie(a.rect.y, a.rect.x) < std::tie(b.rect.y, b.rect.x);
  });
  return out;
}

ClickReport Panel::Click(uint32_t window_id, int x, int y, uint32_t mouse_flags) {
  ClickReport report;
  PanelWindow* w = MutableWindow(window_id);
  if (w == nullptr) return report;
  report.pointer = Pointer(window_id, x, y);
  // Points far off the gauge stop well inside int, so no conversion is undefined.
  auto to_gauge = [](double v) { return std::isfinite(v) ? static_cast<int>(std::clamp(std::floor(v), -1e6, 1e6)) : 0; };
  auto gauge_point = [&](const PlacedGauge& g) {
    return std::pair{to_gauge((double(x) - g.rect.x) / g.scale_x), to_gauge((double(y) - g.rect.y) / g.scale_y)};
  };
  // A lever keeps the pointer while the button is held, wherever the
  // pointer goes: its handler clamps what lies beyond its travel.
  if ((mouse_flags & kMouseDrag) && lever_ && lever_->window == window_id) {
    const auto [gx, gy] = gauge_point(*lever_->gauge);
    recording_ = &report;
    ActiveSink active(this);
    report.result = lever_->child->handler({gx - lever_->box_x, gy - lever_->box_y}, mouse_flags);
    recording_ = nullptr;
    report.hit = MouseHit::Handler;
    report.acted = true;
    return report;
  }
  if (mouse_flags & kMouseLeftSingle) lever_.reset();
  auto [found, hit] = Find(*w, x, y);
  if (found == nullptr || hit.kind == MouseHit::None) return report;
  PlacedGauge& g = const_cast<PlacedGauge&>(*found);
  const auto [gx, gy] = gauge_point(g);
  recording_ = &report;
  const ClickOutcome out = vantor::Click(*g.mouse, gx, gy, mouse_flags, *this);
  recording_ = nullptr;
  report.hit = out.hit.kind;
  report.acted = out.acted;
  report.result = out.result;
  if (out.acted && out.hit.kind == MouseHit::Handler && (out.hit.child->mouse_flags & kMouseDrag))
    lever_ = HeldLever{window_id, &g, out.hit.child, gx - out.hit.local.x, gy - out.hit.local.y};
  if (out.acted && out.hit.kind == MouseHit::Event)
    if (auto selection = SelectionOfKeyEvent(out.hit.child->key_event)) {
      g.selections = {*selection};
      g.selection_left = kHighlightSeconds;
    }
  return report;
}

int32_t Panel::TriggerKeyEvent(uint32_t key_event, uint32_t value) {
  if (recording_) recording_->key_events.emplace_back(key_event, value);
  avionics_.KeyEvent(key_event, value);
  return 0;
}

void Panel::LookupVar(ModuleVar* var) { vars_.Refresh(*var); }

int32_t Panel::SetVisible(const char* op, uint32_t id, std::optional<bool> visible) {
  PanelWindow* w = MutableWindow(id);
  int32_t result = 0;
  if (w != nullptr) {
    const bool now = visible ? *visible : !w->visible;
    if (now != w->visible) {
      w->visible = now;
      ++layout_version_;  // a window that opens is brought up to date by the next Update
    }
    result = 1;
  }
  if (recording_) recording_->windows.push_back({op, id, result});
  return result;
}

int32_t Panel::TogglePanelWindow(uint32_t id) { return SetVisible("toggle", id, std::nullopt); }
int32_t Panel::OpenPanelWindow(uint32_t id) { return SetVisible("open", id, true); }
int32_t Panel::ClosePanelWindow(uint32_t id) { return SetVisible("close", id, false); }

}  // namespace vantor
