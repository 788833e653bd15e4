// vantor-panel: the panel host's command line.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/module.h"

namespace {

// The modules sit beside the program in a build tree, in modules/.
std::string DefaultModuleDir(const char* argv0) {
  return (std::filesystem::path(argv0).parent_path().parent_path() / "modules").string();
}

int List(const std::string& dir) {
  for (const char* name : {"Radios", "Vantor2", "Vantor3", "Vantorhsi"}) {
    auto module = vantor::LoadedModule::Load(dir + "/" + name + ".gau");
    std::cout << module->name() << " (" << module->file().version.product_name << " "
              << module->file().version.file_version << ", " << module->gauges().size() << " gauges)\n";
    for (GaugeHeader* g : module->gauges())
      std::cout << "  " << g->name << "  " << g->default_width_mm << " mm\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string dir = DefaultModuleDir(argv[0]);
  try {
    if (args.empty() || args[0] == "list") return List(dir);
    std::cerr << "vantor-panel: unknown command '" << args[0] << "'\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "vantor-panel: " << e.what() << "\n";
    return 1;
  }
}
