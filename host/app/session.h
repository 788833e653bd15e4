// Opening a panel the way every command does: a configuration (the built-in
// default panel unless one is named), the modules beside the program, and
// a scenario (the built-in default flight unless one is named or "none").
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "panel/panel.h"

namespace vantor {

struct SessionOptions {
  std::string panel;     // empty: the built-in default panel
  std::string modules;   // folder of the .gau files
  std::string scenario;  // empty: the default flight; "none": no scenario
};

std::string DefaultPanelPath();
std::string DefaultScenarioPath();
// The folder of the built modules, beside the running program.
std::string DefaultModuleDir();

std::unique_ptr<Panel> OpenSession(const SessionOptions& options);

// "NAME=VALUE" or "ID=VALUE" (ids in decimal or 0x hex); throws
// std::invalid_argument naming the bad part.
std::pair<uint32_t, double> ParseAssignment(const std::string& text);

// Resolves a variable by catalogue name or number.
uint32_t ResolveVariable(const std::string& name_or_id);

}  // namespace vantor
