// What the caller chooses about a drawing, and the rectangles a window
// reports as redrawn.
#pragma once

#include <algorithm>
#include <set>

namespace vantor {

struct RenderOptions {
  bool night = false;         // a dark cockpit: unlit pictures fall to the night ambient
  bool panel_lights = false;  // at night, lights the pictures that carry draw flag 0x2 or 0x4000
  std::set<int> active_selections;  // highlight-list selection ids drawn in the highlight colour

  bool operator==(const RenderOptions&) const = default;
};

// Whole window pixels, x to the right and y downwards.
struct Rect {
  int x = 0, y = 0, width = 0, height = 0;

  bool empty() const { return width <= 0 || height <= 0; }
  bool Overlaps(const Rect& o) const {
    return !empty() && !o.empty() && x < o.x + o.width && o.x < x + width && y < o.y + o.height &&
           o.y < y + height;
  }
  Rect Intersect(const Rect& o) const {
    const int x0 = std::max(x, o.x), y0 = std::max(y, o.y);
    const int x1 = std::min(x + width, o.x + o.width), y1 = std::min(y + height, o.y + o.height);
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
  }
  Rect Union(const Rect& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    const int x0 = std::min(x, o.x), y0 = std::min(y, o.y);
    const int x1 = std::max(x + width, o.x + o.width), y1 = std::max(y + height, o.y + o.height);
    return {x0, y0, x1 - x0, y1 - y0};
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace vantor
