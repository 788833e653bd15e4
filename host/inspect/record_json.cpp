#include "record_json.h"

#include <cxxabi.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace vantor {
namespace {

using nlohmann::json;

constexpr int kMaxDepth = 32;
constexpr int kMaxChildren = 64;
constexpr int kMaxListEntries = 1024;

template <class F>
json Label(const LoadedModule& m, F* fn) {
  if (fn == nullptr) return nullptr;
  return FunctionLabel(m, reinterpret_cast<const void*>(fn));
}

json Var(const ModuleVar& v) { return v.id; }

json Failures(const FailureRecord* f) {
  json out = json::array();
  for (int i = 0; f && i < kMaxListEntries && f[i].key != 0; ++i) out.push_back({f[i].key, f[i].action});
  return out;
}

json Element_(const LoadedModule& m, const Element* e, int depth) {
  json j;
  j["kind"] = KindName(e->kind);
  j["bitmap"] = e->bitmap_id;
  j["position"] = {e->position.x, e->position.y};
  j["pivot"] = {e->pivot.x, e->pivot.y};
  j["draw_flags"] = e->draw_flags;
  j["special_flags"] = e->special_flags;
  j["failures"] = Failures(e->failures);
  json callbacks = json::object();
  switch (e->kind) {
    case kNeedle: {
      auto* n = reinterpret_cast<const NeedleElement*>(e);
      j["var"] = Var(n->var);
      json table = json::array();
      for (uint32_t i = 0; n->table && i < n->table_entries && i < kMaxListEntries; ++i)
        table.push_back({n->table[i].point.x, n->table[i].point.y, n->table[i].value});
      j["table"] = table;
      j["max_degrees"] = n->max_degrees_per_update;
      callbacks["value"] = Label(m, n->value);
      break;
    }
    case kString: {
      auto* s = reinterpret_cast<const StringElement*>(e);
      j["vars"] = {Var(s->vars[0]), Var(s->vars[1]), Var(s->vars[2])};
      j["box"] = {s->box_width, s->box_height};
      j["chars"] = s->chars;
      j["text_color"] = s->text_color;
      j["background_color"] = s->background_color;
      j["highlight_color"] = s->highlight_color;
      j["font"] = std::string(s->font_face, strnlen(s->font_face, sizeof s->font_face));
      j["weight"] = s->weight;
      j["charset"] = s->charset;
      j["format"] = s->format_flags;
      json highlights = json::array();
      for (int i = 0; s->highlights && i < kMaxListEntries && s->highlights[i].selection != 0; ++i)
        highlights.push_back({s->highlights[i].selection, s->highlights[i].first, s->highlights[i].last});
      j["highlights"] = highlights;
      callbacks["value"] = Label(m, s->value);
      break;
    }
    case kSlider: {
      auto* s = reinterpret_cast<const SliderElement*>(e);
      j["x"] = {{"var", Var(s->x_var)}, {"scale", s->x_scale}};
      j["y"] = {{"var", Var(s->y_var)}, {"scale", s->y_scale}};
      callbacks["x"] = Label(m, s->x_value);
      callbacks["y"] = Label(m, s->y_value);
      break;
    }
    case kIcon: {
      auto* i = reinterpret_cast<const IconElement*>(e);
      j["var"] = Var(i->var);
      j["frames"] = i->frames;
      j["switch_mode"] = i->switch_mode;
      callbacks["value"] = Label(m, i->value);
      break;
    }
    case kMovingImage: {
      auto* mi = reinterpret_cast<const MovingImageElement*>(e);
      j["x"] = {{"var", Var(mi->x_var)}, {"min", mi->x_min}, {"max", mi->x_max}};
      j["y"] = {{"var", Var(mi->y_var)}, {"min", mi->y_min}, {"max", mi->y_max}};
      callbacks["x"] = Label(m, mi->x_value);
      callbacks["y"] = Label(m, mi->y_value);
      break;
    }
    case kSprite: {
      auto* s = reinterpret_cast<const SpriteElement*>(e);
      j["x"] = {{"var", Var(s->x_var)}, {"scale", s->x_scale}};
      j["y"] = {{"var", Var(s->y_var)}, {"scale", s->y_scale}};
      j["rotation"] = {{"var", Var(s->rotation_var)}, {"scale", s->rotation_scale}};
      j["texture_scale"] = {s->texture_scale_x, s->texture_scale_y};
      callbacks["x"] = Label(m, s->x_value);
      callbacks["y"] = Label(m, s->y_value);
      callbacks["rotation"] = Label(m, s->rotation_value);
      break;
    }
    default: break;
  }
  j["callbacks"] = callbacks;
  json children = json::array();
  if (e->children && depth < kMaxDepth)
    for (int i = 0; i < kMaxChildren && e->children[i]; ++i) children.push_back(Element_(m, e->children[i], depth + 1));
  j["children"] = children;
  return j;
}

const char* RectType(uint32_t type) {
  switch (type) {
    case kMouseParent: return "parent";
    case kMouseChild: return "child";
    case kMouseEndParent: return "end_parent";
    case kMouseEndList: return "end_list";
    default: return "unknown";
  }
}

json Mouse(const LoadedModule& m, const MouseRect* list) {
  json out = json::array();
  for (int i = 0; list && i < kMaxListEntries; ++i) {
    const MouseRect& r = list[i];
    out.push_back({{"type", RectType(r.type)},
                   {"box", {r.x, r.y, r.width, r.height}},
                   {"cursor", r.cursor},
                   {"help_id", r.help_id},
                   {"mouse_flags", r.mouse_flags},
                   {"key_event", r.key_event},
                   {"handler", Label(m, r.handler)}});
    if (r.type == kMouseEndList) break;
  }
  return out;
}

}  // namespace

const char* KindName(uint32_t kind) {
  static const char* const names[] = {"static_image", "needle", "string", "slider", "icon", "moving_image", "sprite"};
  return kind < 7 ? names[kind] : "unknown";
}

std::string FunctionLabel(const LoadedModule& module, const void* function) {
  Dl_info info{};
  uint64_t offset = reinterpret_cast<uintptr_t>(function);
  if (dladdr(function, &info) != 0 && info.dli_fbase != nullptr)
    offset -= reinterpret_cast<uintptr_t>(info.dli_fbase);
  auto found = module.file().functions.find(offset);
  if (found == module.file().functions.end()) {
    char label[40];
    std::snprintf(label, sizeof label, "function@0x%llx", static_cast<unsigned long long>(offset));
    return label;
  }
  int status = 0;
  char* demangled = abi::__cxa_demangle(found->second.c_str(), nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : found->second;
  std::free(demangled);
  const auto paren = name.find('(');
  return paren == std::string::npos ? name : name.substr(0, paren);
}

nlohmann::json DumpModule(const LoadedModule& m) {
  json j;
  j["file"] = m.path();
  j["exports"] = m.file().exports;
  json imports = json::array();
  for (const ImportEntry* e = m.import_table(); e && !(e->id == 0 && e->table == nullptr); ++e)
    imports.push_back({{"id", e->id}});
  j["import_table"] = imports;
  j["linkage"] = {{"module_id", m.module_id()},
                  {"status", m.status()},
                  {"reserved", m.reserved()},
                  {"module_version", m.module_version()}};
  const VersionInfo& v = m.file().version;
  j["version"] = {{"file_version", v.file_version},
                  {"product_version", v.product_version},
                  {"file_description", v.file_description},
                  {"product_name", v.product_name}};
  json bitmaps = json::array();
  for (const auto& [id, b] : m.file().bitmaps)
    bitmaps.push_back({{"id", id}, {"width", b.width}, {"height", b.height}, {"bits_per_pixel", b.bits_per_pixel},
                       {"language", b.language}});
  j["bitmaps"] = bitmaps;
  json gauges = json::array();
  for (const GaugeHeader* g : m.gauges()) {
    json elements = json::array();
    for (int i = 0; g->elements && i < kMaxChildren && g->elements[i]; ++i)
      elements.push_back(Element_(m, g->elements[i], 0));
    gauges.push_back({{"name", g->name},
                      {"header_version", g->version},
                      {"default_width_mm", g->default_width_mm},
                      {"gauge_callback", g->callback != nullptr},
                      {"elements", elements},
                      {"mouse", Mouse(m, g->mouse)}});
  }
  j["gauges"] = gauges;
  return j;
}

}  // namespace vantor
