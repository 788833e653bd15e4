#include "app/session.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "model/catalogue.h"

namespace vantor {

std::string DefaultPanelPath() { return std::string(VANTOR_DEFAULT_PANEL_DIR) + "/default.cfg"; }
std::string DefaultScenarioPath() { return std::string(VANTOR_DEFAULT_PANEL_DIR) + "/default-flight.scn"; }

std::string DefaultModuleDir() {
  std::error_code ec;
  const auto self = std::filesystem::canonical("/proc/self/exe", ec);
  // Programs live one folder below the build tree's top, the modules in modules/.
  return ec ? "modules" : (self.parent_path().parent_path() / "modules").string();
}

uint32_t ResolveVariable(const std::string& text) {
  if (const VariableInfo* v = FindVariable(text)) return v->id;
  size_t used = 0;
  unsigned long id = 0;
  try {
    id = std::stoul(text, &used, 0);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty() || id > 0xFFFFFFFFul)
    throw std::invalid_argument("unknown variable \"" + text + "\" (use a catalogue name or a number)");
  return static_cast<uint32_t>(id);
}

std::pair<uint32_t, double> ParseAssignment(const std::string& text) {
  const auto eq = text.find('=');
  if (eq == std::string::npos) throw std::invalid_argument("\"" + text + "\" is not VAR=VALUE");
  const uint32_t id = ResolveVariable(text.substr(0, eq));
  const std::string value = text.substr(eq + 1);
  size_t used = 0;
  double v = 0;
  try {
    v = std::stod(value, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != value.size() || value.empty() || !std::isfinite(v))
    throw std::invalid_argument("\"" + value + "\" is not a number (in " + text + ")");
  return {id, v};
}

std::unique_ptr<Panel> OpenSession(const SessionOptions& options) {
  const std::string panel_path = options.panel.empty() ? DefaultPanelPath() : options.panel;
  auto panel = std::make_unique<Panel>(LoadPanelConfig(panel_path),
                                       options.modules.empty() ? DefaultModuleDir() : options.modules);
  if (options.scenario != "none") {
    const std::string path = options.scenario.empty() ? DefaultScenarioPath() : options.scenario;
    panel->SetScenario(LoadScenario(path, [](std::string_view name) -> std::optional<uint32_t> {
      if (const VariableInfo* v = FindVariable(name)) return v->id;
      return std::nullopt;
    }));
  }
  return panel;
}

}  // namespace vantor
