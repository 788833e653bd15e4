#include "module.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "services.h"

namespace vantor {
namespace {

// Lists longer than this are taken as lacking their end marker.
constexpr size_t kMaxImports = 64;
constexpr size_t kMaxGauges = 4096;

std::string StemOf(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

}  // namespace

std::unique_ptr<LoadedModule> LoadedModule::Load(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    throw LoadError(path + ": no such module file");

  std::unique_ptr<LoadedModule> m(new LoadedModule);
  m->path_ = path;
  m->name_ = StemOf(path);
  m->file_ = ReadModuleFile(path);  // rejects non-modules before any code runs

  // A relative path would make dlopen search the library path instead.
  const std::string absolute = std::filesystem::absolute(path).string();
  m->handle_ = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (m->handle_ == nullptr) throw LoadError(path + ": cannot load module: " + dlerror());

  auto* imports = static_cast<ImportEntry*>(dlsym(m->handle_, "ImportTable"));
  if (imports == nullptr) throw LoadError(path + ": module does not export ImportTable");
  const auto* linkage = static_cast<const unsigned char*>(dlsym(m->handle_, "Linkage"));
  if (linkage == nullptr) throw LoadError(path + ": module does not export Linkage");

  ImportEntry* services = nullptr;
  for (size_t i = 0; i < kMaxImports && !(imports[i].id == 0 && imports[i].table == nullptr); ++i)
    if (imports[i].id == kPanelServicesId) services = &imports[i];
  if (services == nullptr)
    throw LoadError(path + ": ImportTable has no panel services entry (id 0x0F)");
  services->table = HostServiceTable();
  m->imports_ = imports;

  LinkageRecord<0> head;
  std::memcpy(&head, linkage, kLinkageGaugesOffset);
  m->module_id_ = head.module_id;
  m->status_ = head.status;
  m->reserved_ = head.reserved;
  m->module_version_ = head.module_version;

  std::set<std::string> names;
  for (size_t i = 0;; ++i) {
    if (i == kMaxGauges) throw LoadError(path + ": Linkage gauge list has no end");
    GaugeHeader* g;
    std::memcpy(&g, linkage + kLinkageGaugesOffset + i * sizeof g, sizeof g);
    if (g == nullptr) break;
    if (g->name == nullptr) throw LoadError(path + ": gauge " + std::to_string(i + 1) + " has no name");
    if (!names.insert(g->name).second)
      throw LoadError(path + ": two gauges are named \"" + std::string(g->name) + "\"");
    m->gauges_.push_back(g);
  }
  if (m->gauges_.empty()) throw LoadError(path + ": Linkage lists no gauges");

  if (head.start) head.start();
  m->end_ = head.end;
  return m;
}

LoadedModule::~LoadedModule() {
  if (end_) end_();
  if (handle_) dlclose(handle_);
}

GaugeHeader* LoadedModule::gauge(const std::string& name) const {
  for (GaugeHeader* g : gauges_)
    if (name == g->name) return g;
  return nullptr;
}

char* LoadedModule::TextBuffer(StringElement* element) {
  auto& buffer = text_buffers_[element];
  if (buffer.size() != size_t{element->chars} + 1) buffer.assign(size_t{element->chars} + 1, '\0');
  return buffer.data();
}

const Image* LoadedModule::Bitmap(int32_t id) {
  auto found = images_.find(id);
  if (found != images_.end()) return found->second.get();
  auto resource = file_.bitmaps.find(static_cast<uint32_t>(id));
  if (id < 0 || resource == file_.bitmaps.end()) return nullptr;
  auto image = std::make_unique<Image>(DecodeBitmap(resource->second));
  return images_.emplace(id, std::move(image)).first->second.get();
}

}  // namespace vantor
