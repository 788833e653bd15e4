// Building blocks for the controls' records: variable bindings, mouse
// rectangle entries and gauge headers, so each gauge file reads as rows.
#pragma once

#include "controls_layout.h"
#include "gauges.h"

namespace controls {

inline constexpr ModuleVar Token(uint32_t id) { return {id, nullptr, 0, 0, 0}; }
inline constexpr ModuleVar kNoToken = Token(0);

inline IconElement* AsIcon(Element* element) { return reinterpret_cast<IconElement*>(element); }

// Mouse rectangle entries. Parents carry the help text; children the cursor,
// the mouse actions and what a click does.
constexpr MouseRect Area(Box box, uint32_t help_id) {
  return {kMouseParent, box.x, box.y, static_cast<uint32_t>(box.w), static_cast<uint32_t>(box.h), -1, help_id,
          0, 0, nullptr, 0};
}
constexpr MouseRect WholeGauge(uint32_t help_id) { return Area({0, 0, 0, 0}, help_id); }
constexpr MouseRect EventZone(Box box, int32_t cursor, uint32_t mouse_flags, uint32_t key_event) {
  return {kMouseChild, box.x, box.y, static_cast<uint32_t>(box.w), static_cast<uint32_t>(box.h), cursor, 0,
          mouse_flags, key_event, nullptr, 0};
}
constexpr MouseRect HandlerZone(Box box, int32_t cursor, uint32_t mouse_flags, MouseHandler handler) {
  return {kMouseChild, box.x, box.y, static_cast<uint32_t>(box.w), static_cast<uint32_t>(box.h), cursor, 0,
          mouse_flags, 0, handler, 0};
}
inline constexpr MouseRect kEndArea = {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0};
inline constexpr MouseRect kEndList = {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0};

// A gauge header of this module: its routines are the module's shared set.
constexpr GaugeHeader MakeGauge(const char* name, Element** elements, uint32_t width_mm, const MouseRect* mouse) {
  return {kHeaderVersion, name, elements, Routines::One, Routines::Two, Routines::Three, Routines::Four,
          Routines::Five, Routines::Six, Routines::Seven, width_mm, mouse, nullptr, nullptr, 0};
}

}  // namespace controls
