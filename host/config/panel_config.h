// The panel configuration: which windows the panel has and which gauge sits
// where on each, in the INI form of a simulator's panel.cfg. docs/panel-config.md
// describes the file for panel builders.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/config_error.h"

namespace vantor {

class LoadedModule;

// One gauge line: gaugeNN=Module!Gauge, x, y[, width[, height]].
struct GaugePlacement {
  std::string module, gauge;  // "Vantor2", "Engine primer"
  int x = 0, y = 0;           // top-left corner in window pixels
  int width = 0, height = 0;  // 0: not given (see PlacedSize)
  int line = 0;
};

struct WindowConfig {
  uint32_t id = 0;         // ident: the number the window buttons name
  std::string section;     // "Window00"
  std::string title;       // from [Window Titles]
  int width = 0, height = 0;
  std::string background;  // the picture's path, joined to the file's folder
  bool visible = false;    // shown when the panel opens
  std::vector<GaugePlacement> gauges;  // in gaugeNN order, drawn in that order
  int line = 0;                        // of the section header
};

struct PanelConfig {
  std::string path;
  std::vector<WindowConfig> windows;  // in WindowNN order

  const WindowConfig* Window(uint32_t id) const;  // null if no window has it
};

// Whether the background pictures must already be there: only the program
// that draws them reads the configuration before they are.
enum class BackgroundCheck { Require, Skip };

// Reads and checks a configuration file on its own: syntax, numbers, missing
// and unknown keys, duplicate sections, keys and window ids, background
// pictures that are not there. Throws ConfigError.
PanelConfig LoadPanelConfig(const std::string& path, BackgroundCheck check = BackgroundCheck::Require);

// Checks every gauge line against the loaded modules, keyed by module name
// (the file name without .gau). Throws ConfigError at the first line that
// names a module or gauge that is not there.
void ValidatePanelConfig(const PanelConfig& config, const std::map<std::string, const LoadedModule*>& modules);

// The module names the configuration's gauge lines use.
std::set<std::string> ModulesUsed(const PanelConfig& config);

struct PixelSize {
  int width = 0, height = 0;
};
// The size a placed gauge takes on its window. A missing width is the
// gauge's default width, one window pixel per millimetre; a missing height
// keeps the proportions of the gauge's base picture.
PixelSize PlacedSize(const GaugePlacement& placement, uint32_t default_width, int base_width,
                     int base_height);

}  // namespace vantor
