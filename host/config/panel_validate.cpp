// Checking a panel configuration against the modules it names: kept apart
// from the reading so that a program without modules can read a panel.
#include <cctype>
#include <string>

#include "config/panel_config.h"
#include "core/module.h"

namespace vantor {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

void ValidatePanelConfig(const PanelConfig& config, const std::map<std::string, const LoadedModule*>& modules) {
  for (const WindowConfig& w : config.windows) {
    for (const GaugePlacement& g : w.gauges) {
      std::string named = g.module + "!" + g.gauge;
      auto m = modules.find(g.module);
      if (m == modules.end() || m->second == nullptr) {
        std::string known;
        for (const auto& [name, module] : modules) known += (known.empty() ? "" : ", ") + name;
        throw ConfigError(config.path, g.line, "unknown module " + g.module + " in " + named + " (loaded: " + known + ")");
      }
      if (m->second->gauge(g.gauge) != nullptr) continue;
      std::string message = "unknown gauge " + named;
      for (const GaugeHeader* header : m->second->gauges())
        if (Lower(header->name) == Lower(g.gauge)) message += " (did you mean " + g.module + "!" + header->name + "?)";
      throw ConfigError(config.path, g.line, message);
    }
  }
}

}  // namespace vantor
