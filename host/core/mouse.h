// A gauge's mouse rectangles placed in gauge pixels, and what a pointer at
// a point of the gauge finds there.
//
// Reading a list: a parent's box is relative to the enclosing parent (the
// whole-gauge parent (0, 0, 0, 0) counts as the gauge itself); a child's box
// is relative to its parent. An end-of-parent with no open parent is
// skipped, and a list is read until its end entry or kMaxEntries entries.
// Where children overlap, the smallest one under the pointer wins (a knob
// inside a larger area), and of two equal ones the later in the list.
#pragma once

#include <cstdint>
#include <vector>

#include "gauge.h"

namespace vantor {

// Mouse actions as the host reports them to children and handlers.
inline constexpr uint32_t kMouseLeftSingle = 0x20000000;  // a click
inline constexpr uint32_t kMouseRepeat = 0x00200000;      // held down: repeats
inline constexpr uint32_t kMouseDrag = 0x00800000;        // moved while held

struct Box {
  int32_t x = 0, y = 0, w = 0, h = 0;
  bool Contains(int32_t px, int32_t py) const {
    return px >= x && py >= y && int64_t{px} < int64_t{x} + w && int64_t{py} < int64_t{y} + h;
  }
};

struct PlacedArea {
  Box box;  // gauge pixels
  const MouseRect* rect;
  int depth;  // 0 for the whole-gauge parent
};

struct MouseHit {
  enum Kind { None, Event, Handler } kind = None;
  const MouseRect* child = nullptr;
  MousePoint local{0, 0};  // relative to the child's box
  int32_t cursor = -1;
  uint32_t help_id = 0;
};

class MouseMap {
 public:
  static constexpr int kMaxEntries = 1024;

  MouseMap(const MouseRect* list, int gauge_width, int gauge_height);

  MouseHit At(int32_t x, int32_t y) const;
  const std::vector<PlacedArea>& parents() const { return parents_; }
  const std::vector<PlacedArea>& children() const { return children_; }

 private:
  std::vector<PlacedArea> parents_;
  std::vector<PlacedArea> children_;
};

}  // namespace vantor

namespace vantor {

class ServiceSink;

struct ClickOutcome {
  MouseHit hit;
  bool acted = false;  // the child's mouse flags selected this action
  int32_t result = 0;  // the handler's result
};

// A mouse action at a gauge point: an event child makes the host send its
// key event (with value 0) through the sink; a handler child runs its
// handler with the point relative to its own box while the sink is active.
ClickOutcome Click(const MouseMap& map, int32_t x, int32_t y, uint32_t mouse_flags, ServiceSink& sink);

}  // namespace vantor
