#include "mouse.h"

namespace vantor {

MouseMap::MouseMap(const MouseRect* list, int gauge_width, int gauge_height) {
  if (list == nullptr) return;
  std::vector<Box> open;  // enclosing parents, innermost last
  for (int i = 0; i < kMaxEntries && list[i].type != kMouseEndList; ++i) {
    const MouseRect& r = list[i];
    const int32_t ox = open.empty() ? 0 : open.back().x;
    const int32_t oy = open.empty() ? 0 : open.back().y;
    switch (r.type) {
      case kMouseParent: {
        Box b{ox + r.x, oy + r.y, static_cast<int32_t>(r.width), static_cast<int32_t>(r.height)};
        if (r.x == 0 && r.y == 0 && r.width == 0 && r.height == 0) b = {ox, oy, gauge_width, gauge_height};
        parents_.push_back({b, &r, static_cast<int>(open.size())});
        open.push_back(b);
        break;
      }
      case kMouseChild:
        children_.push_back({{ox + r.x, oy + r.y, static_cast<int32_t>(r.width), static_cast<int32_t>(r.height)},
                             &r, static_cast<int>(open.size())});
        break;
      case kMouseEndParent:
        if (!open.empty()) open.pop_back();
        break;
      default: break;  // unknown entry types carry nothing the host uses
    }
  }
}

MouseHit MouseMap::At(int32_t x, int32_t y) const {
  MouseHit hit;
  // The innermost parent under the pointer that names a help text.
  int help_depth = -1;
  for (const PlacedArea& p : parents_)
    if (p.rect->help_id != 0 && p.box.Contains(x, y) && p.depth >= help_depth) {
      hit.help_id = p.rect->help_id;
      help_depth = p.depth;
    }
  const PlacedArea* best = nullptr;
  for (const PlacedArea& c : children_) {
    if (!c.box.Contains(x, y)) continue;
    if (best == nullptr || int64_t{c.box.w} * c.box.h <= int64_t{best->box.w} * best->box.h) best = &c;
  }
  if (best) {
    hit.child = best->rect;
    hit.kind = best->rect->handler ? MouseHit::Handler : MouseHit::Event;
    hit.local = {x - best->box.x, y - best->box.y};
    hit.cursor = best->rect->cursor;
  }
  return hit;
}

}  // namespace vantor

#include "services.h"

namespace vantor {

ClickOutcome Click(const MouseMap& map, int32_t x, int32_t y, uint32_t mouse_flags, ServiceSink& sink) {
  ClickOutcome out;
  out.hit = map.At(x, y);
  if (out.hit.kind == MouseHit::None || (out.hit.child->mouse_flags & mouse_flags) == 0) return out;
  out.acted = true;
  if (out.hit.kind == MouseHit::Event) {
    sink.TriggerKeyEvent(out.hit.child->key_event, 0);
  } else {
    ActiveSink active(&sink);
    out.result = out.hit.child->handler(out.hit.local, mouse_flags);
  }
  return out;
}

}  // namespace vantor
