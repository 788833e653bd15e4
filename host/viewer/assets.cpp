#include "viewer/assets.h"

#include <algorithm>

namespace vantor::viewer {

const Asset* FindAsset(std::string_view name) {
  const auto assets = WebAssets();
  auto it = std::find_if(assets.begin(), assets.end(), [&](const Asset& a) { return a.name == name; });
  return it == assets.end() ? nullptr : &*it;
}

std::string_view ContentType(std::string_view name) {
  static constexpr std::pair<std::string_view, std::string_view> kTypes[] = {
      {".html", "text/html; charset=utf-8"}, {".css", "text/css; charset=utf-8"},
      {".js", "text/javascript; charset=utf-8"}, {".svg", "image/svg+xml"},
      {".png", "image/png"}, {".json", "application/json"},
  };
  for (auto [ending, type] : kTypes)
    if (name.ends_with(ending)) return type;
  return "application/octet-stream";
}

}  // namespace vantor::viewer
