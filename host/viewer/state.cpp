#include "viewer/state.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace vantor::viewer {

using nlohmann::json;

namespace {

const char* FormName(VarForm form) {
  switch (form) {
    case VarForm::Double: return "double";
    case VarForm::U32: return "u32";
    case VarForm::U16: return "u16";
  }
  return "double";
}

// JSON has no NaN or infinity; a variable holding one shows as null.
json Number(double v) { return std::isfinite(v) ? json(v) : json(nullptr); }

FailureSet InForce(Panel& panel) {
  FailureSet effective = panel.failures();
  panel.avionics().PowerFailures(effective);
  return effective;
}

json ScenarioJson(const Panel& panel) {
  const auto& scenario = panel.scenario();
  json tracks = json::array(), events = json::array();
  if (scenario)
    for (const Track& t : scenario->tracks()) {
      tracks.push_back(t.id);
      // Switches and selectors change at moments worth marking on a timeline.
      if (t.interpolation != Interpolation::Step) continue;
      for (size_t k = 1; k < t.keys.size(); ++k)
        if (t.keys[k].value != t.keys[k - 1].value)
          events.push_back({{"time", t.keys[k].time}, {"variable", t.variable}, {"value", t.keys[k].value}});
    }
  std::sort(events.begin(), events.end(), [](const json& a, const json& b) { return a["time"] < b["time"]; });
  return {{"loaded", scenario.has_value()},
          {"path", scenario ? scenario->path() : ""},
          {"duration", scenario ? scenario->duration() : 0.0},
          {"tracks", tracks},
          {"events", events},
          {"time", panel.time()},
          {"playing", panel.playing()},
          {"speed", panel.speed()}};
}

}  // namespace

double PixelsPerMillimetre(const PanelWindow& window) {
  std::vector<double> ratios;
  for (const PlacedGauge& g : window.gauges) {
    const uint32_t mm = g.instance->header()->default_width_mm;
    if (mm > 0 && g.rect.width > 0) ratios.push_back(double(g.rect.width) / mm);
  }
  if (ratios.empty()) return 1;
  std::sort(ratios.begin(), ratios.end());
  const size_t n = ratios.size();
  return n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
}

Range SettableRange(const VariableInfo& v) {
  const double width = std::max(v.max - v.min, 1.0);
  return {v.min - width, v.max + width};
}

bool SetByPower(Panel& panel, uint32_t key) {
  // The power model either sets a key it owns on an empty set or clears
  // it from a set that holds it, whatever the switches say.
  FailureSet none, only;
  only.Set(key, true);
  const Avionics& avionics = panel.avionics();
  avionics.PowerFailures(none);
  avionics.PowerFailures(only);
  return none.Active(key) || !only.Active(key);
}

json StateJson(Panel& panel, double dpi) {
  json windows = json::array();
  for (const PanelWindow& w : panel.windows()) {
    json gauges = json::array();
    for (const PlacedGauge& g : w.gauges)
      gauges.push_back({{"module", g.placement->module},
                        {"gauge", g.placement->gauge},
                        {"x", g.rect.x},
                        {"y", g.rect.y},
                        {"width", g.rect.width},
                        {"height", g.rect.height},
                        {"default_width_mm", g.instance->header()->default_width_mm}});
    const double px_per_mm = PixelsPerMillimetre(w);
    windows.push_back({{"id", w.config->id},
                       {"title", w.config->title},
                       {"width", w.config->width},
                       {"height", w.config->height},
                       {"visible", w.visible},
                       {"px_per_mm", px_per_mm},
                       {"true_size_scale", dpi / 25.4 / px_per_mm},
                       {"gauges", gauges}});
  }
  std::set<uint32_t> scripted;
  if (panel.scenario())
    for (const Track& t : panel.scenario()->tracks()) scripted.insert(t.id);
  json variables = json::array();
  for (const VariableInfo& v : VariableCatalogue()) {
    const Range r = SettableRange(v);
    variables.push_back({{"id", v.id},
                         {"name", v.name},
                         {"unit", v.unit},
                         {"form", FormName(v.form)},
                         {"bcd", v.unit.starts_with("BCD")},
                         {"initial", v.initial},
                         {"min", v.min},
                         {"max", v.max},
                         {"low", r.low},
                         {"high", r.high},
                         {"changed_by", v.changed_by},
                         {"scenario", scripted.count(v.id) != 0},
                         {"value", Number(panel.vars().Get(v.id))}});
  }
  const FailureSet effective = InForce(panel);
  json failures = json::array();
  for (const FailureKeyInfo& f : FailureKeyCatalogue())
    failures.push_back({{"key", f.key},
                        {"name", f.name},
                        {"system", f.system},
                        {"failed", panel.failures().Active(f.key)},
                        {"active", effective.Active(f.key)},
                        {"power", SetByPower(panel, f.key)}});
  return {{"panel", panel.config().path},
          {"dpi", dpi},
          {"layout_version", panel.layout_version()},
          {"windows", windows},
          {"variables", variables},
          {"failures", failures},
          {"lighting", {{"night", panel.night}, {"panel_lights", panel.panel_lights}}},
          {"scenario", ScenarioJson(panel)}};
}

json LayoutJson(const Panel& panel) {
  json windows = json::array();
  for (const PanelWindow& w : panel.windows()) windows.push_back({{"id", w.config->id}, {"visible", w.visible}});
  return {{"layout_version", panel.layout_version()}, {"windows", windows}};
}

json LiveJson(Panel& panel) {
  json values = json::object();
  for (const VariableInfo& v : VariableCatalogue()) values[std::to_string(v.id)] = Number(panel.vars().Get(v.id));
  const FailureSet effective = InForce(panel);
  return {{"time", panel.time()},
          {"playing", panel.playing()},
          {"speed", panel.speed()},
          {"lighting", {{"night", panel.night}, {"panel_lights", panel.panel_lights}}},
          {"values", values},
          {"failed", panel.failures().keys()},
          {"active", effective.keys()}};
}

json HitMapJson(const Panel& panel, uint32_t window_id) {
  const PanelWindow* w = panel.Window(window_id);
  json areas = json::array();
  json help = json::object();
  for (const HitArea& a : panel.HitMap(window_id)) {
    areas.push_back({{"x", a.rect.x},
                     {"y", a.rect.y},
                     {"w", a.rect.width},
                     {"h", a.rect.height},
                     {"gauge", w->gauges[a.gauge].placement->gauge},
                     {"gauge_index", a.gauge},
                     {"child", a.child},
                     {"cursor", a.cursor},
                     {"help", a.help_id},
                     {"flags", a.mouse_flags}});
    if (a.help_id != 0) help[std::to_string(a.help_id)] = HelpText(a.help_id);
  }
  return {{"window", window_id}, {"areas", areas}, {"help", help}};
}

}  // namespace vantor::viewer
