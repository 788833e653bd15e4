#include "console.h"

#include <cmath>
#include <istream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>

#include "core/gauge_instance.h"
#include "core/module.h"
#include "core/mouse.h"
#include "core/services.h"
#include "inspect/record_json.h"
#include "model/avionics.h"
#include "model/catalogue.h"

namespace vantor {
namespace {

using nlohmann::json;

struct CommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Records what modules ask of the host during one command, and carries key
// events on into the avionics model.
class ConsoleSink : public ServiceSink {
 public:
  explicit ConsoleSink(Avionics& avionics) : avionics_(avionics) {}

  json key_events = json::array();
  json windows = json::array();
  json service_calls = json::array();
  std::function<json(Element*)> locate;
  VariableStore* vars = nullptr;

  void Clear() {
    key_events = json::array();
    windows = json::array();
    service_calls = json::array();
  }
  void ElementList(int service, Element* top, uint32_t arg) override {
    service_calls.push_back({{"service", service}, {"element", locate(top)}, {"arg", arg}});
  }
  int32_t TriggerKeyEvent(uint32_t event, uint32_t value) override {
    key_events.push_back({event, value});
    avionics_.KeyEvent(event, value);
    return 0;
  }
  void LookupVar(ModuleVar* var) override { vars->Refresh(*var); }
  int32_t TogglePanelWindow(uint32_t id) override { return Window("toggle", id); }
  int32_t OpenPanelWindow(uint32_t id) override { return Window("open", id); }
  int32_t ClosePanelWindow(uint32_t id) override { return Window("close", id); }

 private:
  // The console has no panel windows: every window service succeeds.
  int32_t Window(const char* op, uint32_t id) {
    windows.push_back({op, id, 1});
    return 1;
  }
  Avionics& avionics_;
};

class Console {
 public:
  Console() : avionics_(vars_), sink_(avionics_) {
    PrepareVariables(vars_);
    sink_.vars = &vars_;
    sink_.locate = [this](Element* e) { return Locate(e); };
  }

  json Run(const json& command) {
    sink_.Clear();
    ActiveSink active(&sink_);
    if (!command.is_object() || command.size() != 1) throw CommandError("a command is an object with one key");
    const auto only = command.begin();
    const std::string name = only.key();
    const json& arg = only.value();
    if (name == "load") return Load(arg.get<std::string>());
    if (name == "reset") return Reset();
    if (name == "set") return Set(arg);
    if (name == "update") return Update(arg.get<std::string>());
    if (name == "click") return Click(arg);
    if (name == "gauge_callback") return GaugeCallback(arg);
    if (name == "routine") return Routine(arg);
    throw CommandError("unknown command \"" + name + "\"");
  }

 private:
  json Load(const std::string& path) {
    auto module = LoadedModule::Load(path);
    for (GaugeHeader* g : module->gauges())
      if (Find(g->name).second != nullptr) throw CommandError(std::string("a gauge named \"") + g->name + "\" is already loaded");
    json names = json::array();
    for (GaugeHeader* g : module->gauges()) names.push_back(g->name);
    modules_.push_back(std::move(module));
    return {{"ok", true}, {"gauges", names}};
  }

  json Reset() {
    std::vector<std::string> paths;
    for (auto& m : modules_) paths.push_back(m->path());
    instances_.clear();
    modules_.clear();  // unloads, so each module starts with fresh state
    for (const auto& p : paths) modules_.push_back(LoadedModule::Load(p));
    return {{"ok", true}};
  }

  json Set(const json& arg) {
    const uint32_t id = arg.at("var").get<uint32_t>();
    const double value = arg.at("value").get<double>();
    if (arg.contains("form")) {
      const std::string form = arg["form"].get<std::string>();
      if (form == "double") vars_.DeclareForm(id, VarForm::Double);
      else if (form == "u32") vars_.DeclareForm(id, VarForm::U32);
      else if (form == "u16") vars_.DeclareForm(id, VarForm::U16);
      else throw CommandError("form must be \"double\", \"u32\" or \"u16\", not \"" + form + "\"");
    }
    vars_.Set(id, value);
    return {{"ok", true}};
  }

  json Update(const std::string& gauge) {
    GaugeInstance& g = Instance(gauge);
    g.Update({vars_, failures_, &sink_});
    json elements = json::array();
    for (const ElementState& s : g.elements()) {
      json e = {{"path", s.path},
                {"kind", KindName(s.element->kind)},
                {"hidden", s.hidden},
                {"draw_flags", s.element->draw_flags}};
      switch (s.element->kind) {
        case kNeedle: e["value"] = Number(s.value); e["angle"] = s.angle; break;
        case kString: e["value"] = Number(s.value); e["text"] = s.text; break;
        case kIcon: e["value"] = Number(s.value); e["frame"] = s.frame; break;
        case kSlider:
          e["value"] = {{"x", Number(s.x_value)}, {"y", Number(s.y_value)}};
          e["offset"] = {s.offset_x, s.offset_y};
          break;
        case kMovingImage:
          e["value"] = {{"x", Number(s.x_value)}, {"y", Number(s.y_value)}};
          e["offset"] = {s.offset_x, s.offset_y};
          break;
        case kSprite:
          e["value"] = {{"x", Number(s.x_value)}, {"y", Number(s.y_value)}, {"rotation", Number(s.rotation_value)}};
          e["offset"] = {s.offset_x, s.offset_y};
          e["angle"] = s.rotation;
          break;
        default: break;
      }
      elements.push_back(e);
    }
    return {{"ok", true}, {"elements", elements}};
  }

  json Click(const json& arg) {
    GaugeInstance& g = Instance(arg.at("gauge").get<std::string>());
    const MouseMap map(g.header()->mouse, g.width(), g.height());
    const ClickOutcome out =
        vantor::Click(map, arg.at("x").get<int32_t>(), arg.at("y").get<int32_t>(), kMouseLeftSingle, sink_);
    const char* hit = out.hit.kind == MouseHit::Event ? "event" : out.hit.kind == MouseHit::Handler ? "handler" : "none";
    return {{"ok", true},         {"hit", hit},           {"cursor", out.hit.cursor},
            {"help_id", out.hit.help_id}, {"key_events", sink_.key_events}, {"windows", sink_.windows},
            {"result", out.result}};
  }

  json GaugeCallback(const json& arg) {
    GaugeHeader* g = Header(arg.at("gauge").get<std::string>());
    if (g->callback)
      g->callback(g, arg.at("service").get<uint32_t>(), arg.value("arg", 0u));
    return {{"ok", true}, {"service_calls", sink_.service_calls}};
  }

  json Routine(const json& arg) {
    GaugeHeader* g = Header(arg.at("gauge").get<std::string>());
    const int n = arg.at("n").get<int>();
    const uint32_t a = arg.value("arg", 0u);
    switch (n) {
      case 1: g->routine1(); break;
      case 2: g->routine2(a); break;
      case 3: g->routine3(); break;
      case 4: g->routine4(); break;
      case 5: g->routine5(a); break;
      case 6: g->routine6(); break;
      case 7: g->routine7(); break;
      default: throw CommandError("routine n must be 1 to 7");
    }
    return {{"ok", true}, {"service_calls", sink_.service_calls}};
  }

  // JSON has no NaN or infinity: those travel as strings.
  static json Number(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    return v;
  }

  std::pair<LoadedModule*, GaugeHeader*> Find(const std::string& name) const {
    for (auto& m : modules_)
      if (GaugeHeader* g = m->gauge(name)) return {m.get(), g};
    return {nullptr, nullptr};
  }
  GaugeHeader* Header(const std::string& name) const {
    auto [m, g] = Find(name);
    if (g == nullptr) throw CommandError("no loaded gauge is named \"" + name + "\"");
    return g;
  }
  GaugeInstance& Instance(const std::string& name) {
    auto found = instances_.find(name);
    if (found != instances_.end()) return *found->second;
    auto [m, g] = Find(name);
    if (g == nullptr) throw CommandError("no loaded gauge is named \"" + name + "\"");
    return *instances_.emplace(name, std::make_unique<GaugeInstance>(*m, g, &sink_)).first->second;
  }

  // [gauge name, path] of an element handed over by a routine.
  json Locate(Element* e) const {
    for (auto& m : modules_)
      for (GaugeHeader* g : m->gauges()) {
        json path = json::array();
        if (Walk(g->elements ? g->elements[0] : nullptr, e, path, 0)) return {g->name, path};
      }
    return {nullptr, json::array()};
  }
  static bool Walk(Element* at, Element* target, json& path, int depth) {
    if (at == nullptr || depth > 32) return false;
    if (at == target) return true;
    for (int i = 0; at->children && i < 64 && at->children[i]; ++i) {
      path.push_back(i);
      if (Walk(at->children[i], target, path, depth + 1)) return true;
      path.erase(path.size() - 1);
    }
    return false;
  }

  VariableStore vars_;
  FailureSet failures_;
  Avionics avionics_;
  ConsoleSink sink_;
  std::vector<std::unique_ptr<LoadedModule>> modules_;
  std::map<std::string, std::unique_ptr<GaugeInstance>> instances_;
};

}  // namespace

int RunConsole(std::istream& in, std::ostream& out) {
  Console console;
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    json answer;
    try {
      answer = console.Run(json::parse(line));
    } catch (const json::exception& e) {
      answer = {{"ok", false}, {"error", std::string("bad command: ") + e.what()}};
    } catch (const std::exception& e) {
      answer = {{"ok", false}, {"error", e.what()}};
    }
    out << answer.dump() << std::endl;
  }
  return 0;
}

}  // namespace vantor
