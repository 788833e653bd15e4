// A gauge module loaded into the host: its shared library bound to the
// host's service table, its Linkage read, its start routine called. The
// module's end routine runs before the library is unloaded.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gauge.h"
#include "module_file.h"

namespace vantor {

class LoadedModule {
 public:
  // Throws LoadError for a missing file, a file that is not a module, a
  // missing export, an ImportTable without the panel-services entry, an
  // empty gauge list or two gauges of one name.
  static std::unique_ptr<LoadedModule> Load(const std::string& path);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  const std::string& path() const { return path_; }
  // The file name without ".gau": the name a panel configuration uses.
  const std::string& name() const { return name_; }
  const ModuleFileInfo& file() const { return file_; }

  uint32_t module_id() const { return module_id_; }
  uint32_t status() const { return status_; }
  uint32_t reserved() const { return reserved_; }
  uint32_t module_version() const { return module_version_; }
  const std::vector<GaugeHeader*>& gauges() const { return gauges_; }
  GaugeHeader* gauge(const std::string& name) const;  // null if absent
  const ImportEntry* import_table() const { return imports_; }

  // The text buffer the host lends a string element: room for its
  // character count and the terminating zero, kept as long as the module.
  char* TextBuffer(StringElement* element);
  // A bitmap decoded once and kept; null if the module has no such id.
  const Image* Bitmap(int32_t id);

 private:
  LoadedModule() = default;

  std::string path_, name_;
  ModuleFileInfo file_;
  void* handle_ = nullptr;
  ImportEntry* imports_ = nullptr;
  void (*end_)() = nullptr;
  uint32_t module_id_ = 0, status_ = 0, reserved_ = 0, module_version_ = 0;
  std::vector<GaugeHeader*> gauges_;
  std::map<StringElement*, std::vector<char>> text_buffers_;
  std::map<int32_t, std::unique_ptr<Image>> images_;
};

}  // namespace vantor
